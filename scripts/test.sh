#!/usr/bin/env bash
# Builds Velmora and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$VELMORA_BUILD"
ctest --output-on-failure --timeout 600 "$@"
