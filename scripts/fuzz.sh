#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and runs each
# from a copy of its committed seed corpus for a bounded time.
#   scripts/fuzz.sh            # 20 s per target
#   FUZZ_SECONDS=600 scripts/fuzz.sh   # longer, by hand
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
build=build-fuzz

need=()
command -v clang++ >/dev/null || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DSTOWLET_FUZZ=ON -DSTOWLET_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

status=0
for corpus in fuzz/corpus/*/; do
    name=$(basename "$corpus")
    binary="$build/bin/fuzz_$name"
    [ -x "$binary" ] || { echo "missing fuzz target $binary"; status=1; continue; }
    work=$(mktemp -d)
    cp -r "$corpus". "$work/"
    echo "== fuzz_$name for ${seconds}s"
    if ! "$binary" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$build/crash-$name-" 2>"$build/fuzz_$name.log"; then
        echo "fuzz_$name FOUND A PROBLEM:"; tail -n 40 "$build/fuzz_$name.log"; status=1
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/fuzz_$name.log" | sed 's/^/   /'
    rm -rf "$work"
done
exit $status
