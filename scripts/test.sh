#!/usr/bin/env bash
# Builds Velmora, runs the whole test suite headless and builds the Debian package; then
# the same suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# (scripts/sanitize.sh) and a short fuzz run of the question-file reader (scripts/fuzz.sh).
#
# The suites run as an ordinary user: started as root, as the user velmora-test (see
# scripts/tester.sh); only the row of the fault tests that checks acting as another user is
# run again as root.
#
# Arguments go to ctest and select tests of the first suite only; the sanitizer suite and
# the fuzz run are then left out (for quick runs while working, never in CI).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$VELMORA_ROOT/scripts/tester.sh"
export QT_QPA_PLATFORM=offscreen
run_as_tester "$VELMORA_BUILD" ctest --test-dir "$VELMORA_BUILD" --output-on-failure \
    --timeout 600 "$@"
if (($(id -u) == 0 && $# == 0)); then
    echo "== as root: a read-only database, with the test acting as another user"
    (cd "$VELMORA_BUILD/tests/work/tst_faults" && ../../tst_faults quizOnAnUnwritableDatabase)
fi
# The Debian package is built and listed after the tests have passed.
bash "$VELMORA_ROOT/scripts/package.sh"
if (($# == 0)); then
    bash "$VELMORA_ROOT/scripts/sanitize.sh"
    bash "$VELMORA_ROOT/scripts/fuzz.sh"
fi
