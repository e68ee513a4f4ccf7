#!/usr/bin/env bash
# Writes the pictures of the windows into docs/ at 100 % and 200 %, drawn offscreen from the real
# program (tools/screenshots/shots_*.cpp). Usage: scripts/screenshots.sh [shots_name ...]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
shots=("$@")
if ((${#shots[@]} == 0)); then
    for source in tools/screenshots/shots_*.cpp; do shots+=("$(basename "$source" .cpp)"); done
fi
for shot in "${shots[@]}"; do
    cmake --build --preset release --target "$shot"
    platform=offscreen
    # The change panel stands beside its editor as on a desktop screen, not on the 800 × 600 default.
    [[ $shot == shots_preview ]] && platform="offscreen:configfile=$PWD/tools/screenshots/screen-1920x1080.json"
    for scale in 1 2; do
        QT_QPA_PLATFORM=$platform QT_SCALE_FACTOR=$scale "build/release/bin/$shot" docs
    done
done
