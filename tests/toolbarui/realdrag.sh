#!/bin/sh
# A real drag between two X clients: the drag source program drags a file onto the
# square of the real Stowlet program on a virtual X display, driven by xdotool's mouse,
# and the file must arrive in the square's folder under its numbered name.
# Usage: realdrag.sh STOWLET DRAGSOURCE. Exits 77 (skipped) without Xvfb or xdotool.
set -eu

for tool in xvfb-run Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed; the real drag test needs Xvfb and xdotool."
        exit 77
    fi
done

if [ -z "${REALDRAG_ON_XVFB:-}" ]; then
    REALDRAG_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

stowlet=$1
dragsource=$2
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    echo "--- Stowlet said:"; cat "$work/stowlet.log" 2>/dev/null || true
    echo "--- the drag source said:"; cat "$work/source.log" 2>/dev/null || true
    exit 1
}

# A program folder with the spot list and options, and a home whose settings mark the
# first run as done (so no welcome box waits for an answer).
mkdir -p "$work/program" "$work/home/.config/Stowlet" "$work/target" "$work/source"
cp "$stowlet" "$work/program/Stowlet"
printf '%s\r\n' "$work/target|65280" >"$work/program/SpotData.txt"
printf '%s\r\n' "SAME_BASE_NAME|FALSE" "VERTICAL_TOOLBAR|FALSE" "REMEMBER_LOCATION|TRUE" \
    "PROMPT_BASE_NAMES|FALSE" "AUTO_START|FALSE" "SOUNDS|FALSE" "MAX_RANDOM_LENGTH|6" "SPOT_SIZE|1300" \
    >"$work/program/DropOptions.txt"
printf '[Program]\nFirstRunDone=1\n\n[Toolbar%%20Location]\nTop=1500\nLeft=1500\n' \
    >"$work/home/.config/Stowlet/Stowlet.conf"
printf 'picture bytes\n' >"$work/source/Sunset at sea.txt"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb
"$work/program/Stowlet" >"$work/stowlet.log" 2>&1 &
pids="$pids $!"
toolbar=$(timeout 20 xdotool search --sync --onlyvisible --pid "$!" | head -n 1) || fail "the toolbar did not show"

"$dragsource" "$work/source/Sunset at sea.txt" >"$work/source.log" 2>&1 &
source_pid=$!
pids="$pids $source_pid"
source=$(timeout 20 xdotool search --sync --onlyvisible --pid "$source_pid" | head -n 1) ||
    fail "the drag source did not show"

# One square of 1300 twips: the middle of the toolbar across, a quarter of it down, is on it.
eval "$(xdotool getwindowgeometry --shell "$toolbar")"
target_x=$((X + WIDTH / 2))
target_y=$((Y + HEIGHT / 4))
eval "$(xdotool getwindowgeometry --shell "$source")"
from_x=$((X + WIDTH / 2))
from_y=$((Y + HEIGHT / 2))

xdotool mousemove "$from_x" "$from_y"
sleep 0.3
xdotool mousedown 1
sleep 0.3
steps=10
i=1
while [ $i -le $steps ]; do
    xdotool mousemove $((from_x + (target_x - from_x) * i / steps)) $((from_y + (target_y - from_y) * i / steps))
    sleep 0.1
    i=$((i + 1))
done
xdotool mousemove $((target_x + 1)) "$target_y"
sleep 0.5
xdotool mouseup 1

for _ in $(seq 100); do
    saved=$(find "$work/target" -type f | head -n 1)
    [ -n "$saved" ] && break
    sleep 0.1
done
[ -n "$saved" ] || fail "nothing arrived in the square's folder"
name=$(basename "$saved")
echo "saved as $name"
echo "$name" | grep -Eq '^[A-Za-z]{3,6}-001\.txt$' || fail "unexpected name $name"
cmp -s "$saved" "$work/source/Sunset at sea.txt" || fail "the saved file differs from the dragged one"
[ -f "$work/source/Sunset at sea.txt" ] || fail "the dragged file is gone: it was moved, not copied"
wait "$source_pid" || fail "the drag source was not told the drop was copied"
echo "PASSED: a real drag from another X client was saved as $name"
