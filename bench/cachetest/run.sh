#!/usr/bin/env bash
# The cache test on this machine: Tivrel.exe's 13 figures under Wine beside the same sweep measured
# natively by the portable loop, with the cache sizes the probe reports, so that one can see the
# figures step down where the block outgrows a level; and the sweep loop's machine code in the
# executable. Needs the win32 and release builds. Usage: bench/cachetest/run.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
release="$root/build/release"

exe=$(bash "$root/tests/ui/run-scenario.sh" "$root/bench/cachetest/measure.sh" | sed -n 's/^exe_result=//p')
native=$("$release/bench-cachetest")
fields=$("$release/tivrel-cpuid" --fields)
level() { awk -v key="$1: " 'index($0, key) == 1 { print substr($0, length(key) + 1) }' <<<"$fields"; }
echo "caches the probe reports: L1 data $(level l1Data) KB, L2 $(level l2) KB, L3 $(level l3) KB (0: none reported)"
printf '%8s  %16s  %16s  %s\n' block "Tivrel.exe MB" "native MB" "fits in"
paste <(grep -oE '[0-9]+ KB\\[0-9]+' <<<"$exe") <(echo "$native") | while IFS=$'\t' read -r ours theirs; do
    kb=${ours%% KB*}
    fits=memory
    [ "$(level l3)" -ge "$kb" ] 2>/dev/null && fits=L3
    [ "$(level l2)" -ge "$kb" ] && fits=L2
    [ "$(level l1Data)" -ge "$kb" ] && fits="L1 data"
    printf '%5s KB  %16s  %16s  %s\n' "$kb" "${ours#*\\}" "${theirs#*\\}" "$fits"
done
echo
echo "The sweep loop in Tivrel.exe's code (CacheSweep, i386):"
i686-w64-mingw32-objdump -d --no-show-raw-insn "$root/build/win32/CMakeFiles/tivrel_core.dir/src/cache/CacheTest.cpp.obj" |
    awk '/<__Z10CacheSweepPhj>:/ { on = 1 } on && /^$/ { exit } on'
