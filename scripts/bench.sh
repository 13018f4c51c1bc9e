#!/usr/bin/env bash
# Builds a release build into build-bench/ and prints every benchmark's figures:
# drops against cp, start-up against a minimal Qt program, the message-pumping wait,
# the install's pacing, a browser's direct save on Xvfb, and the idle toolbar (60 s).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build build-bench -j "$(nproc)"
bench=build-bench/bench
echo; "$bench/dropbench"
echo; "$bench/startupbench" 20 2>/dev/null
echo; QT_QPA_PLATFORM=offscreen "$bench/waitbench" 2>/dev/null
echo; QT_QPA_PLATFORM=offscreen "$bench/installbench" 2>/dev/null
echo; xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$bench/xdsbench" 2>/dev/null
echo; bench/idlebench.sh build-bench "${IDLE_SECONDS:-60}"
