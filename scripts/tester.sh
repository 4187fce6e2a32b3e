#!/usr/bin/env bash
# Sourced by test.sh, sanitize.sh and fuzz.sh: run_as_tester runs a command as an ordinary
# user, so that read-only files, folders and permissions hold for the tests as they do on a
# learner's computer (root writes to any file). Started as root, it creates the system user
# velmora-test once, hands it the build directory and runs the command through runuser, with
# a home of its own; started as anyone else, it runs the command as it is.
#
#   run_as_tester BUILD_DIR COMMAND [ARGUMENT]...

VELMORA_TESTER=velmora-test

run_as_tester() {
    local build=$1
    shift
    if [[ $(id -u) -ne 0 ]]; then
        "$@"
        return
    fi
    if ! id -u "$VELMORA_TESTER" >/dev/null 2>&1; then
        useradd --system --user-group --create-home --home-dir "/var/lib/$VELMORA_TESTER" \
            --shell /usr/sbin/nologin "$VELMORA_TESTER"
    fi
    local root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    if ! runuser -u "$VELMORA_TESTER" -- test -r "$root/CMakeLists.txt"; then
        echo "The user $VELMORA_TESTER cannot read the sources in $root; make the checkout" \
            "readable for all (its parent folders too)." >&2
        return 1
    fi
    chown -R "$VELMORA_TESTER:" "$build"
    runuser -u "$VELMORA_TESTER" -- env HOME="/var/lib/$VELMORA_TESTER" USER="$VELMORA_TESTER" \
        LOGNAME="$VELMORA_TESTER" "$@"
}
