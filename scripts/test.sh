#!/usr/bin/env bash
# Sets up, builds and runs every test through ctest. Window tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DSTOWLET_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
