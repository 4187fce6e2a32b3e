#!/usr/bin/env bash
# Builds Velmora and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$VELMORA_BUILD"
ctest --output-on-failure --timeout 600 "$@"
# The Debian package is built and listed after the tests have passed.
bash "$VELMORA_ROOT/scripts/package.sh"
