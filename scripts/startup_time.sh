#!/usr/bin/env bash
# Time from start to first frame of the program and of a bare Qt window (the floor), 10 runs each on
# an Xvfb display of its own, measured from outside by bench_startup_time.
# Usage: scripts/startup_time.sh [preset] [runs]   (defaults: ci 10)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-ci}
runs=${2:-10}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target tessarin bench_startup_time bench_bare_window
bin=$PWD/build/$preset/bin
# A working folder of its own, so no set file or other leftover of a previous run is found.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_RUNTIME_DIR=$work
# The root window is black (-br): a window counts as drawn only once its pixels are not.
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR xvfb-run -a -s "-screen 0 1280x1024x24 -br" bash -c '
    echo "== bare Qt window ($1 runs)"
    "$0/bench_startup_time" --runs "$1" -- "$0/bench_bare_window"
    echo "== tessarin ($1 runs)"
    "$0/bench_startup_time" --runs "$1" -- "$0/tessarin"
' "$bin" "$runs"
