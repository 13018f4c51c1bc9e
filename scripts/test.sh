#!/usr/bin/env bash
# Sets up, builds and runs every test through ctest. Window tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset plain ${BUILD_DIR:+-B "$BUILD_DIR"} >/dev/null
cmake --build "${BUILD_DIR:-build}" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
