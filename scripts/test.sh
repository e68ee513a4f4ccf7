#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build with
# warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer. Then each libFuzzer
# target runs for a short fixed time under the same sanitizers; a crash, sanitizer report or broken
# rule fails the script and leaves the input that caused it in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
for preset in ci sanitize; do
    echo "== $preset =="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

# Seconds per fuzz target; longer runs are described in README.md.
fuzz_seconds=${TESSARIN_FUZZ_SECONDS:-20}
echo "== fuzz (${fuzz_seconds} s each) =="
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
mkdir -p build/fuzz/artifacts
for target in fuzz_numbers fuzz_stat_sheet fuzz_set_file fuzz_build; do
    # The corpus stays in the build folder, so each run starts where the last one stopped.
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "-- $target"
    ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build/fuzz/bin/$target" -max_total_time="$fuzz_seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/artifacts/$target-" "$corpus"
done
echo "== all green =="
