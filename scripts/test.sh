#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build with
# warnings as errors, once under AddressSanitizer and UndefinedBehaviorSanitizer.
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
