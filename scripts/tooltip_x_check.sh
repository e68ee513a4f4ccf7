#!/usr/bin/env bash
# Checks the hover tooltip the way a person meets it, in a real X session: starts the real program
# under Xvfb, equips 잃어버린 영린족 piece 1 and 바다뱀 piece 2 through the board and the piece editor,
# then moves the pointer across the set indicators Image11 and Image12 (and Image10 for comparison) in
# one-pixel steps and records after every step whether the tooltip is up and where.
#
# It reports where the tooltip opens relative to the pointer, how often it disappeared while the
# pointer was still inside an indicator (flicker), and whether it goes away over the bare window.
# Exit status 0 when the tooltip opened and stayed up across every indicator and hid over the bare
# window, 1 otherwise.
#
# Usage: scripts/tooltip_x_check.sh [program] [folder for the screen pictures]
# Needs: xvfb-run (or Xvfb), xdotool, xwininfo, ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/ci/bin/tessarin}
pictures=${2:-build/tooltip-x-check}
if [[ -z ${TOOLTIP_X_CHECK_INNER:-} ]]; then
    [[ -x $program ]] || { echo "no program at $program (build it first)" >&2; exit 2; }
    mkdir -p "$pictures"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env TOOLTIP_X_CHECK_INNER=1 "$0" "$program" "$pictures"
fi

export LANG=C.UTF-8
"$program" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT

main=$(xdotool search --sync --onlyvisible --name '^Tessarin 수치 계산기$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$main")"
mainX=$X
mainY=$Y
echo "main window $main at $mainX,$mainY (${WIDTH}x$HEIGHT)"
sleep 1 # let the window settle before the first click

# Screen pixel of a point given in twips relative to a window's top-left corner (15 twips a pixel).
px() { echo $((($1 * 2 + 15) / 30)); }

click_at() { # screen x, screen y
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.15
}

# Equips a catalogue piece through its board button and the piece editor Form5: first main value,
# first sub-option with its first value, "확인".
equip_piece() { # board button left and top (twips), editor caption
    click_at $((mainX + $(px $(($1 + 385))))) $((mainY + $(px $(($2 + 385)))))
    local editor title
    title="^$(sed 's/[()]/\\&/g' <<<"$3")\$" # the caption as a pattern: brackets taken literally
    editor=$(xdotool search --sync --onlyvisible --name "$title" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$editor")"
    local ex=$X ey=$Y
    click_at $((ex + $(px 1740))) $((ey + $(px 560)))  # List1, first item
    click_at $((ex + $(px 367))) $((ey + $(px 1897)))  # Option1
    click_at $((ex + $(px 1740))) $((ey + $(px 1760))) # List2, first item
    click_at $((ex + $(px 907))) $((ey + $(px 3607)))  # Command35 "확인"
    if xdotool search --onlyvisible --name "$title" >/dev/null; then
        echo "could not equip $3" >&2
        exit 2
    fi
}

equip_piece 7320 1800 "잃어버린 영린족 보패 1번"
equip_piece 8145 2640 "바다뱀 보패(최상급) 2번"

# The visible window of the program other than the main window: "x y width height", or nothing.
tooltip_state() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [[ $id == "$main" ]] && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$X $Y $WIDTH $HEIGHT"
        return
    done
}

bare_x=$((mainX + $(px 3300))) # left of Image10, below the gem: bare window surface
bare_y=$((mainY + $(px 5150)))
failures=0

# Sweeps the pointer across one indicator, one pixel a step, along its middle row and then along a
# diagonal, and prints what happened.
sweep() { # indicator name, left in twips
    local name=$1 left=$2
    local x0=$((mainX + $(px "$left"))) y0=$((mainY + $(px 4995))) size
    size=$(px 345)
    xdotool mousemove --sync "$bare_x" "$bare_y"
    sleep 0.1
    local steps=0 shown=0 lost=0 first="" state
    local -a path=()
    local -A offsets=() # tooltip corner minus pointer, every one seen while it was up
    for ((i = 2; i <= size - 3; i++)); do path+=("$((x0 + i)) $((y0 + size / 2))"); done
    for ((i = size - 3; i >= 2; i--)); do path+=("$((x0 + i)) $((y0 + i))"); done
    for point in "${path[@]}"; do
        read -r x y <<<"$point"
        xdotool mousemove --sync "$x" "$y"
        sleep 0.04
        state=$(tooltip_state)
        steps=$((steps + 1))
        # Only the inner part of the indicator shows the tooltip; its 20-twip edge band leaves it alone.
        local inner=$(((x - x0) * 15 > 20 && (x - x0) * 15 < 325 && (y - y0) * 15 > 20 && (y - y0) * 15 < 325))
        if [[ -n $state ]]; then
            shown=$((shown + 1))
            read -r tx ty tw th <<<"$state"
            offsets[$((tx - x)),$((ty - y))]=1
            if [[ -z $first ]]; then
                first="pointer $x,$y; tooltip ${tw}x$th at $tx,$ty: left edge $((tx - x)) px from the pointer, top edge $((ty - y)) px"
                import -window root "$pictures/$name-first-show.png"
            fi
        elif ((inner)) && [[ -n $first ]]; then
            lost=$((lost + 1))
        fi
    done
    import -window root "$pictures/$name-after-sweep.png"
    xdotool mousemove --sync $((x0 - 3)) $((y0 + size / 2)) # the bare strip left of the indicator
    sleep 0.05
    xdotool mousemove --sync $((x0 - 4)) $((y0 + size / 2))
    sleep 0.1
    local after
    after=$(tooltip_state)
    echo "$name: $steps steps, tooltip up after $shown of them, gone $lost times while the pointer was inside"
    echo "    first shown: ${first:-never}"
    echo "    tooltip corner relative to the pointer while up (x,y px): ${!offsets[*]}"
    echo "    over the bare window left of it: ${after:+still up ($after)}${after:-hidden}"
    if [[ -z $first || $lost -gt 0 || -n $after ]]; then failures=$((failures + 1)); fi
}

xdotool windowfocus --sync "$main" # no window manager gives it the keyboard; the tooltip must not take it
focus_before=$(xdotool getwindowfocus)
sweep Image10 3600
sweep Image11 4080
sweep Image12 4560
focus_after=$(xdotool getwindowfocus)
echo "keyboard focus: window $focus_before before the sweeps, $focus_after after (main window $main)"
[[ $focus_after == "$focus_before" ]] || failures=$((failures + 1))

echo "screen pictures in $pictures"
if ((failures)); then
    echo "RESULT: tooltip flickers or does not behave on $failures indicator(s)"
    exit 1
fi
echo "RESULT: tooltip steady on every indicator and hidden over the bare window"
