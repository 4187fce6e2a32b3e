#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures
# and builds the project into <repo>/build. Sourced by run.sh and test.sh.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"

# appstream and desktop-file-utils validate the installed desktop files; dpkg-dev lets
# cpack find the package's library dependencies; clang-14 and its runtime build the
# sanitizer suite and the fuzz target (scripts/sanitize.sh); qttranslations5-l10n holds
# Qt's own texts (file dialogs, standard buttons) in German, which the program loads;
# help2man writes the manual pages from --help, and lintian checks the package.
# libqt5sql5-psql is Qt's PostgreSQL driver (QPSQL), which the program uses for a catalogue
# on a server and the tests load; postgresql (server 15 with its client, psql and pg_dump)
# runs the throw-away servers of the tests and applies the schema; libpq-dev and pkg-config
# let the program link libpq, which reads a server's URI as psql does.
packages=(cmake make g++ qtbase5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools sqlite3
    appstream desktop-file-utils dpkg-dev clang-14 libclang-rt-14-dev poppler-utils
    qttranslations5-l10n help2man lintian libqt5sql5-psql postgresql postgresql-client libpq-dev
    pkg-config)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

cmake -S "$VELMORA_ROOT" -B "$VELMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$VELMORA_BUILD" --parallel "$(nproc)"
