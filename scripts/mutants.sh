#!/usr/bin/env bash
# Plants each planted mistake under tests/mutants/ (a patch of the sources whose first line
# says what mistake it stands for) in turn, builds, runs the tests and reports whether the
# suite caught it, then the share caught. The sources are restored after every mutant and
# on any exit. Builds into build/ (or $BUILD_DIR), which must have been configured.
#   scripts/mutants.sh                           # every mutant
#   scripts/mutants.sh tests/mutants/drop-*      # some
set -uo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
patches=("$@")
[ ${#patches[@]} -gt 0 ] || patches=(tests/mutants/*.patch)
log=$(mktemp)
planted=
restore() {
    [ -z "$planted" ] || git apply -R "$planted" || echo "could not take $planted out again" >&2
    planted=
}
trap 'restore; rm -f "$log"' EXIT
trap 'exit 130' INT TERM
export QT_QPA_PLATFORM=offscreen

total=0
killed=0
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! git apply "$patch" 2>/dev/null; then
        printf '%-42s does not apply to these sources\n' "$name"
        continue
    fi
    planted=$patch
    total=$((total + 1))
    if ! cmake --build "$build" -j "$(nproc)" >"$log" 2>&1; then
        verdict="killed by the build: $(grep -m1 -o 'error: .*' "$log" | cut -c1-80)"
        killed=$((killed + 1))
    elif ctest --test-dir "$build" -j "$(nproc)" --stop-on-failure --timeout 120 >"$log" 2>&1; then
        verdict="SURVIVED ($(head -n1 "$patch"))"
    else
        verdict="killed by $(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$log" | head -n3 | paste -sd ' ')"
        killed=$((killed + 1))
    fi
    printf '%-42s %s\n' "$name" "$verdict"
    restore
done
[ "$total" -gt 0 ] || exit 1
echo "killed $killed of $total ($((100 * killed / total))%)"
[ "$killed" -eq "$total" ]
