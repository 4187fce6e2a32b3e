#!/usr/bin/env bash
# Builds Velmora, runs the whole test suite headless and builds the Debian package; then
# the same suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# (scripts/sanitize.sh) and a short fuzz run of the question-file reader (scripts/fuzz.sh).
#
# Arguments go to ctest and select tests of the first suite only; the sanitizer suite and
# the fuzz run are then left out (for quick runs while working, never in CI).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen
(cd "$VELMORA_BUILD" && ctest --output-on-failure --timeout 600 "$@")
# The Debian package is built and listed after the tests have passed.
bash "$VELMORA_ROOT/scripts/package.sh"
if (($# == 0)); then
    bash "$VELMORA_ROOT/scripts/sanitize.sh"
    bash "$VELMORA_ROOT/scripts/fuzz.sh"
fi
