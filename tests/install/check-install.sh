#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it: the
# programs, the menu entry and metadata (as the validators judge them), the icons in the
# theme's sizes, the schema for a server, the version and the manual pages, and the
# launcher, which must start the program in the user's data directory and refuse to start
# at all when that directory cannot be created.
#
#   check-install.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/usr
id=org.velmora.Velmora
cmake --install "$build" --prefix "$prefix" >/dev/null

# The tree.
for program in velmora velmora-csv velmora-start; do
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed as a program"
done
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null ||
    fail "appstreamcli refuses $metainfo: $(appstreamcli validate --no-net "$metainfo")"
grep -qx 'Exec=velmora-start' "$desktop" || fail "the menu entry does not start the launcher"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"
for size in 16 22 24 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ -f $icon ]] || fail "no ${size}x${size} icon"
    # Width and height are the two big-endian words at byte 16 of a PNG file.
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
    [[ $dimensions == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $dimensions"
done
schema=$prefix/share/velmora/postgresql/schema.sql
[[ -f $schema && $(stat -c %a "$schema") == 644 ]] ||
    fail "no schema.sql for a server, readable by all"
cmp -s "$schema" "$(dirname "$0")/../../dist/postgresql/schema.sql" ||
    fail "the installed schema.sql is not the one in dist/postgresql"
"$prefix/bin/velmora-csv" check "$prefix/share/doc/velmora/examples/sample-questions.csv" \
    >/dev/null 2>&1 || fail "the installed checker refuses the installed sample catalogue"

# The version of CMakeLists.txt in the programs and the metadata; the manual pages, which
# man renders without a warning; an option the program does not take, refused before any
# window (so without a display).
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata lacks release $version"
for program in velmora velmora-csv; do
    said=$(env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)
    [[ $said == "$program $version" ]] || fail "$program --version says '$said', not $version"
    page=$prefix/share/man/man1/$program.1.gz
    [[ -f $page ]] || fail "no manual page $program(1)"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$program(1): $warnings"
    zcat "$page" | grep -q '^\.SH EXAMPLES' || fail "$program(1) has no examples"
done
status=0
env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/velmora" --no-such-option 2>"$work/stderr" ||
    status=$?
((status == 2)) && grep -q 'no-such-option' "$work/stderr" ||
    fail "an unknown option gave status $status and '$(cat "$work/stderr")'"

# The installed launcher with the installed program, from some other directory: the
# program must run with the data directory as its working directory and provision its
# database there. It runs headless until it is stopped.
home=$work/home
elsewhere=$work/elsewhere
mkdir -p "$home" "$elsewhere"
data=$home/.local/share/velmora
(cd "$elsewhere" && exec env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/velmora-start") &
pid=$!
pids+=("$pid")
for _ in $(seq 150); do
    [[ -s $data/databaseVelmoraApp ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
    sleep 0.2
done
[[ -s $data/databaseVelmoraApp ]] || fail "no database in $data"
[[ $(readlink "/proc/$pid/exe") == "$prefix/bin/velmora" ]] || fail "the launcher started another program"
[[ $(readlink "/proc/$pid/cwd") == "$data" ]] || fail "the program runs in $(readlink "/proc/$pid/cwd")"
[[ $(stat -c %a "$data") == 700 ]] || fail "the data directory is not private to its owner"
[[ -z $(ls -A "$elsewhere") ]] || fail "something was written to the starting directory"
kill "$pid"
wait "$pid" 2>/dev/null || true

# The launcher's choice of directory, with a stand-in program beside it that reports its
# working directory and arguments.
bin=$work/bin
mkdir -p "$bin"
cp "$prefix/bin/velmora-start" "$bin/"
printf '#!/bin/sh\necho "$PWD|$*" >"%s"\n' "$work/ran" >"$bin/velmora"
chmod +x "$bin/velmora"
launch() { # ENV... -- runs the launcher from $elsewhere through a relative path
    (cd "$elsewhere" && env -u XDG_DATA_HOME "$@" sh ../bin/velmora-start --flag "two words")
}
rm -f "$work/ran"
launch HOME="$home" XDG_DATA_HOME="$work/xdg" || fail "the launcher refused a valid XDG_DATA_HOME"
[[ $(cat "$work/ran") == "$work/xdg/velmora|--flag two words" ]] || fail "XDG_DATA_HOME: $(cat "$work/ran")"
rm -f "$work/ran"
launch HOME="$home" XDG_DATA_HOME=relative || fail "the launcher refused a relative XDG_DATA_HOME"
[[ $(cat "$work/ran") == "$data|--flag two words" ]] || fail "relative XDG_DATA_HOME: $(cat "$work/ran")"

# A data directory that cannot be created: a message, a failure, nothing started and
# nothing written anywhere else.
touch "$work/not-a-directory"
for case in "XDG_DATA_HOME=$work/not-a-directory" "HOME=$work/not-a-directory" "HOME="; do
    rm -f "$work/ran"
    if launch "$case" 2>"$work/stderr"; then fail "$case: the launcher succeeded"; fi
    grep -q '^velmora-start: ' "$work/stderr" || fail "$case: no message on standard error"
    [[ ! -e $work/ran ]] || fail "$case: the program was started"
    [[ -z $(ls -A "$elsewhere") ]] || fail "$case: something was written to the starting directory"
done
echo "installed tree and launcher: OK"
