#!/usr/bin/env bash
# Measures what an idle program costs: starts each given program under one Xvfb at the same time,
# leaves them alone for a few seconds, then counts over the next 60 s how often their threads woke up
# (voluntary context switches, summed over /proc/PID/task/*/status) and how much CPU they used
# (utime + stime from /proc/PID/stat).
#
# Usage: scripts/idle_wakeups.sh [program ...]   (default: build/ci/bin/tessarin)
#        IDLE_SECONDS=60 IDLE_SETTLE=5 change the measured and the settling time.
#        IDLE_FOCUS_CLASS_BOX=1 first clicks into each program's class box, so its text cursor is
#        showing, then moves the pointer away: the program as a person leaves it after typing a class.
# Needs: xvfb-run, xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${IDLE_SECONDS:-60}
settle=${IDLE_SETTLE:-5}
if [[ -z ${IDLE_WAKEUPS_INNER:-} ]]; then
    (($#)) || set -- build/ci/bin/tessarin
    for program in "$@"; do
        [[ -x $program ]] || { echo "no program at $program (build it first)" >&2; exit 2; }
    done
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env IDLE_WAKEUPS_INNER=1 "$0" "$@"
fi

export LANG=C.UTF-8
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
for program in "$@"; do
    "$program" >/dev/null 2>&1 &
    pids+=($!)
done
# Every program shows its main window before the settling time starts.
count=$#
until (($(xdotool search --onlyvisible --name '^Tessarin 수치 계산기$' 2>/dev/null | wc -l) >= count)); do
    sleep 0.1
done
if [[ -n ${IDLE_FOCUS_CLASS_BOX:-} ]]; then
    for window in $(xdotool search --onlyvisible --name '^Tessarin 수치 계산기$'); do
        xdotool windowraise "$window"
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove $((X + 350)) $((Y + 100)) click 1 # Combo1's text
        sleep 0.3
        xdotool mousemove $((X + 5)) $((Y + 700)) # the bare window
    done
fi
sleep "$settle"

# Voluntary context switches per thread ("tid count"). Threads come and go (Qt's pooled threads end
# after 30 s without work), so the two readings are compared thread by thread: a thread that ended
# in between counts up to the first reading, one that started counts from 0.
switches() {
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task"/status 2>/dev/null || echo 0)"
    done
}
woke_between() { # first reading, second reading
    awk 'NR == FNR { first[$1] = $2; next } { sum += $2 - ($1 in first ? first[$1] : 0) } END { print sum + 0 }' \
        <(echo "$1") <(echo "$2")
}
cpu_ticks() { # utime + stime
    awk '{ print $14 + $15 }' /proc/"$1"/stat
}

declare -A wake0 cpu0
for pid in "${pids[@]}"; do
    wake0[$pid]=$(switches "$pid")
    cpu0[$pid]=$(cpu_ticks "$pid")
done
sleep "$seconds"
hz=$(getconf CLK_TCK)
i=0
for program in "$@"; do
    pid=${pids[$i]}
    woke=$(woke_between "${wake0[$pid]}" "$(switches "$pid")")
    ticks=$(($(cpu_ticks "$pid") - ${cpu0[$pid]}))
    threads=$(ls /proc/"$pid"/task | wc -l)
    awk -v p="$program" -v w="$woke" -v t="$ticks" -v s="$seconds" -v hz="$hz" -v n="$threads" 'BEGIN {
        printf "%s: %d wake-ups in %d s = %.2f per second; CPU %.3f %% of a core; %d threads\n",
               p, w, s, w / s, 100 * t / hz / s, n }'
    i=$((i + 1))
done
