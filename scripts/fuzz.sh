#!/usr/bin/env bash
# Fuzzes the question-file reader for VELMORA_FUZZ_SECONDS (default 60) with the target
# built by scripts/sanitize.sh, starting from the seed corpus and every regression case.
# A finding stops the run with the input saved under build-asan/fuzz/; once the fault is
# mended, add that file to fuzz/regressions/ so every later run replays it. It runs as an
# ordinary user, as the tests do.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELMORA_ASAN_BUILD:-$root/build-asan}"
work="$build/fuzz/corpus-grown"
mkdir -p "$work"
source "$root/scripts/tester.sh"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
log="$build/fuzz/fuzz.log"
if ! run_as_tester "$build" "$build/fuzz/questionfile_fuzzer" \
    -max_total_time="${VELMORA_FUZZ_SECONDS:-60}" -max_len=4096 -timeout=10 -print_final_stats=1 -artifact_prefix="$build/fuzz/" \
    "$work" "$root/fuzz/corpus" "$root/fuzz/regressions" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: a finding, saved under $build/fuzz/ (see above)" >&2
    exit 1
fi
grep -E '^(INFO: seed corpus|Done |stat::number_of_executed_units|stat::peak_rss)' "$log"
