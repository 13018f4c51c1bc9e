#!/usr/bin/env bash
# Sets up, builds and starts the Stowlet toolbar. Without a display it starts the
# toolbar on a virtual X display (Xvfb) and saves a screenshot in shots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
program=build/bin/Stowlet

# On a Wayland session the toolbar goes through XWayland, which keeps "always on top".
if [ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=xcb
fi

if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

display=:97
echo "No display found: starting the toolbar on a virtual X display ($display, Xvfb)."
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$program" &
program_pid=$!
sleep 3
mkdir -p shots
xwd -root -silent | convert xwd:- shots/toolbar.png
echo "Screenshot of the virtual display saved as shots/toolbar.png."
echo "Stowlet is running on $display (process $program_pid); press Ctrl+C to stop it."
wait "$program_pid"
