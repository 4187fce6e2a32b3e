#!/usr/bin/env bash
# Builds the Debian package from the build directory, shows its control data and its
# contents, and checks it: it declares the Qt packages, holds exactly the tree that
# `cmake --install` makes, passes lintian without error or warning (what remains is
# overridden, with its reason, in dist/lintian-overrides), and a second build of the same
# sources in another directory gives the same bytes. Run by test.sh after the tests; needs
# a finished build.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"
# The second build, made only for the comparison.
VELMORA_REPRO_BUILD="${VELMORA_REPRO_BUILD:-$VELMORA_ROOT/build-repro}"
# The time of every file in the package: the last commit's, unless given.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    SOURCE_DATE_EPOCH=$(git -C "$VELMORA_ROOT" log -1 --format=%ct 2>/dev/null ||
        stat -c %Y "$VELMORA_ROOT/NEWS.md")
fi
export SOURCE_DATE_EPOCH

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs cpack in the build directory $1 and prints the package's path.
make_package() {
    (
        cd "$1"
        rm -f velmora_*.deb
        if ! cpack -G DEB >cpack.log 2>&1; then
            cat cpack.log >&2
            exit 1
        fi
        echo "$1/$(ls velmora_*.deb)"
    )
}

deb=$(make_package "$VELMORA_BUILD")
echo "== $deb"
dpkg-deb --info "$deb"
echo "== contents"
dpkg-deb --contents "$deb"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt5core5a libqt5gui5 libqt5widgets5 libqt5sql5 libqt5sql5-sqlite; do
    [[ ", $depends," == *", $package "* ]] || fail "$deb does not depend on $package"
done

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
DESTDIR="$staging/tree" cmake --install "$VELMORA_BUILD" --prefix /usr >/dev/null
(cd "$staging/tree" && find . ! -type d | sort) >"$staging/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$staging/packaged"
diff -u "$staging/installed" "$staging/packaged" ||
    fail "$deb holds another tree than cmake --install"

echo "== lintian"
lintian --fail-on error,warning --display-level '>=warning' --show-overrides "$deb" ||
    fail "lintian finds errors or warnings in $deb"

echo "== a second build in $VELMORA_REPRO_BUILD"
cmake -S "$VELMORA_ROOT" -B "$VELMORA_REPRO_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$VELMORA_REPRO_BUILD" --parallel "$(nproc)" >"$staging/repro-build.log" 2>&1 || {
    tail -n 40 "$staging/repro-build.log" >&2
    fail "the second build failed"
}
second=$(make_package "$VELMORA_REPRO_BUILD")
if ! cmp "$deb" "$second"; then
    command -v diffoscope >/dev/null && diffoscope "$deb" "$second" | head -n 100 >&2
    fail "two builds of the same sources give different packages"
fi
echo "package: OK ($(basename "$deb"), reproducible, lintian clean)"
