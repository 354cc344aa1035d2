#!/usr/bin/env bash
# Runs every fuzz target (tests/fuzz/) for SECONDS each (default 60), on the seeds from
# tests/data and the corpus kept in build/fuzz/corpus/, and prints per target the executions,
# the edges covered in its reader's source and any failure with the input that caused it (kept
# in build/fuzz/failures/; copy it to tests/fuzz/regressions/TARGET/ once it is fixed).
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh fuzz || exit 1
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j"$(nproc)" >/dev/null || exit 1
seconds="${1:-60}"
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(dump probe settings describe windows report)

# The sources each target reads for.
declare -A reader=(
    [dump]='src/(cpu/(CpuidDump|DumpFormat|CpuidLineFormat|CpuidRawFormat|RawSaveFormat|SubLeaves)\.|tools/)'
    [probe]='src/(probe|cache)/' [settings]='src/settings/' [describe]='src/database/'
    [windows]='src/system/(WindowsVersion|OsPage|ReleaseTable)\.' [report]='src/report/'
)
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
failed=0
printf '%-9s %12s %16s  %s\n' target executions "edges covered" failures
for name in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$name" failures="build/fuzz/failures/$name" log="build/fuzz/$name.log"
    mkdir -p "$corpus" "$failures"
    "build/fuzz/fuzz-$name" -max_total_time="$seconds" -print_final_stats=1 -print_coverage=1 \
        -artifact_prefix="$failures/" "$corpus" tests/data/cpuid-dumps >"$log" 2>&1
    executions=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
    edges=$(grep -E "^(UN)?COVERED_FUNC: .* $PWD/${reader[$name]}" "$log" |
        awk '{ split($5, e, "/"); covered += e[1]; all += e[2] } END { printf "%d/%d", covered, all }')
    found=$(ls "$failures" | paste -sd' ')
    printf '%-9s %12s %16s  %s\n' "$name" "${executions:-?}" "$edges" "${found:-none}"
    if [ -n "$found" ] || [ -z "$executions" ]; then
        failed=1
        grep -m1 -E 'broken promise|ERROR|SUMMARY' "$log" | sed "s/^/          /"
        for input in "$failures"/*; do
            [ -e "$input" ] && echo "          input $input: $(head -c 60 "$input" | od -An -c | tr -s ' \n' ' ')"
        done
    fi
done
exit "$failed"
