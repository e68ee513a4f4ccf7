#!/usr/bin/env bash
# Reads what a screen reader hears from the real program: starts it under Xvfb with its own D-Bus
# session and AT-SPI bus (Debian's at-spi2-core), and reads the names of the board buttons, the picture
# controls and the sheet figures from the accessibility tree with pyatspi (scripts/atspi_names.py).
# Run by hand; the output of the last run is in docs/atspi-names.txt.
#
# Usage: scripts/atspi_names.sh [path/to/tessarin] [output file]
#   default: build/ci/bin/tessarin, printing to stdout
# Needs: xvfb, dbus, at-spi2-core, python3-pyatspi (scripts/deps.sh installs them).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/ci/bin/tessarin}")
output=${2:-}
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (scripts/deps.sh installs it)" >&2; exit 2; }
done
[[ -x $program ]] || { echo "$0: no program at $program" >&2; exit 2; }
export LC_ALL=C.UTF-8

if [[ -z ${ATSPI_NAMES_INNER:-} ]]; then
    # A session bus of our own, so the check neither needs nor disturbs a desktop's.
    exec dbus-run-session -- env ATSPI_NAMES_INNER=1 "$0" "$program" "$output"
fi

display=:$((150 + RANDOM % 100))
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$runtime"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done

# The AT-SPI bus, as a desktop session starts it; the registry comes with it.
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 &&
        break
    sleep 0.1
done

# A data folder of its own, so the run neither reads nor writes the user's set file.
home=$(mktemp -d)
HOME=$home XDG_DATA_HOME=$home/.local/share QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
    "$program" >/dev/null 2>&1 &
pids+=($!)
status=0
if [[ -n $output ]]; then
    /usr/bin/python3 "$repo/scripts/atspi_names.py" >"$output" || status=$?
else
    /usr/bin/python3 "$repo/scripts/atspi_names.py" || status=$?
fi
rm -rf "$home"
exit "$status"
