#!/usr/bin/env bash
# Whole-process time of the release tivrel-cpuid (the summary of this processor) against two peers
# that describe the processor, "cpuid_tool --report" (Debian package cpuidtool) and "cpuid -1"
# (package cpuid): the three run in turn, ROUNDS rounds (default 30), medians and ratios; and the
# binaries' sizes. Needs the release build; installs the peers when they are missing.
# Usage: bench/cli/run.sh [ROUNDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rounds="${1:-30}"
tool="$root/build/release/tivrel-cpuid"
# shellcheck source=../median.sh
. "$root/bench/median.sh"
[ -x "$tool" ] || { echo "bench: build the release preset first" >&2; exit 1; }
if ! command -v cpuid >/dev/null || ! command -v cpuid_tool >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q cpuid cpuidtool >/dev/null
fi

commands=("$tool" "cpuid_tool --report" "cpuid -1")
declare -A times
for _ in $(seq "$rounds"); do
    for command in "${commands[@]}"; do
        start=$EPOCHREALTIME
        $command >/dev/null 2>&1
        end=$EPOCHREALTIME
        times[$command]+="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f ", (e - s) * 1000 }')"
    done
done
ours=$(median <<<"${times[$tool]}")
echo "whole-process time, median of $rounds runs each, in turn:"
for command in "${commands[@]}"; do
    m=$(median <<<"${times[$command]}")
    awk -v c="${command/#$tool/tivrel-cpuid}" -v m="$m" -v o="$ours" \
        'BEGIN { printf "  %-22s %7.3f ms   tivrel-cpuid / this: %.2f\n", c, m, o / m }'
done
size() { stat -c %s "$(readlink -f "$(command -v "$1")")"; }
echo "sizes: tivrel-cpuid $(stat -c %s "$tool") bytes (goal 98304); cpuid_tool $(size cpuid_tool) bytes" \
    "(+ libcpuid $(stat -c %s "$(ldconfig -p | awk '/libcpuid\.so\./ { print $NF; exit }' | xargs readlink -f)") bytes);" \
    "cpuid $(size cpuid) bytes"
