#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs them all through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Preset "sanitize": -O1 without debug information, the sanitizers' own advice and half the
# build time.
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside the system's own libraries (fontconfig, the X and sound stacks) are not ours.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
