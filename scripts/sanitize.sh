#!/usr/bin/env bash
# Builds the project with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# into <repo>/build-asan and runs the whole suite there, the fuzz target's corpus
# included. Any sanitizer report fails the test that made it; leak checking is on, with
# only the suppressions of scripts/lsan.supp. The suite runs as an ordinary user, as in
# test.sh. Called by test.sh (setup.sh has installed clang by then).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELMORA_ASAN_BUILD:-$root/build-asan}"

# Also for the tools the build itself runs (the icon drawer).
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" --parallel "$(nproc)"

source "$root/scripts/tester.sh"
run_as_tester "$build" ctest --test-dir "$build" --output-on-failure --timeout 900 \
    --parallel "$(nproc)"
