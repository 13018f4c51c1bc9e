#!/usr/bin/env bash
# Idle cost of the toolbar: starts the real Stowlet on a virtual X display (Xvfb), lets it
# settle, then counts its wake-ups (context switches of all its threads) and the CPU time
# it uses over a quiet period. Usage: idlebench.sh <build folder> [seconds, default 60]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
seconds=${2:-60}

work=$(mktemp -d)
trap 'kill $stowlet_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home/.config/Stowlet" "$work/home/Pictures"
cp "$build/bin/Stowlet" "$build"/bin/*.wav "$work/program/"
# A later run (no welcome) that makes up base names instead of asking.
printf 'SAME_BASE_NAME|FALSE\r\nVERTICAL_TOOLBAR|FALSE\r\nREMEMBER_LOCATION|TRUE\r\nPROMPT_BASE_NAMES|FALSE\r\nAUTO_START|FALSE\r\nSOUNDS|TRUE\r\nMAX_RANDOM_LENGTH|6\r\nSPOT_SIZE|500\r\n' >"$work/program/DropOptions.txt"
printf '[Program]\nFirstRunDone=1\n' >"$work/home/.config/Stowlet/Stowlet.conf"

display=:93
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" DISPLAY=$display QT_QPA_PLATFORM=xcb \
    "$work/program/Stowlet" >/dev/null 2>&1 &
stowlet_pid=$!
sleep 3

switches() {
    local total=0
    for status in /proc/$stowlet_pid/task/*/status; do
        local v n
        v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$status")
        n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$status")
        total=$((total + v + n))
    done
    echo $total
}
cpu_ticks() { awk '{print $14 + $15}' /proc/$stowlet_pid/stat; }

s0=$(switches); c0=$(cpu_ticks)
sleep "$seconds"
s1=$(switches); c1=$(cpu_ticks)
hz=$(getconf CLK_TCK)
wakeups=$((s1 - s0))
cpu_ms=$(( (c1 - c0) * 1000 / hz ))
threads=$(ls /proc/$stowlet_pid/task | wc -l)
echo "Idle toolbar over ${seconds} s: ${wakeups} wake-ups (${threads} threads), ${cpu_ms} ms CPU" \
     "(target: at most $((seconds / 60 > 0 ? seconds / 60 : 1)) wake-up a minute, no CPU)"
