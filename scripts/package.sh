#!/usr/bin/env bash
# Builds the Debian package from the build directory, shows its control data and its
# contents, and checks that it declares the Qt packages and holds exactly the tree that
# `cmake --install` makes. Run by test.sh after the tests; needs a finished build.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"
cd "$VELMORA_BUILD"

rm -f velmora_*.deb
if ! cpack -G DEB >cpack.log 2>&1; then
    cat cpack.log >&2
    exit 1
fi
deb=$(ls velmora_*.deb)
echo "== $deb"
dpkg-deb --info "$deb"
echo "== contents"
dpkg-deb --contents "$deb"

fail() {
    echo "FAIL: $deb: $*" >&2
    exit 1
}
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt5core5a libqt5gui5 libqt5widgets5 libqt5sql5 libqt5sql5-sqlite; do
    [[ ", $depends," == *", $package "* ]] || fail "does not depend on $package"
done

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
DESTDIR="$staging/tree" cmake --install . --prefix /usr >/dev/null
(cd "$staging/tree" && find . -type f | sort) >"$staging/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$staging/packaged"
diff -u "$staging/installed" "$staging/packaged" || fail "holds another tree than cmake --install"
echo "package: OK"
