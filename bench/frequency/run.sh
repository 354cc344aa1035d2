#!/usr/bin/env bash
# Clock accuracy: the measurement natively (one pass of the portable worker body) and by
# Tivrel.exe under Wine (the Main page's field), next to the time-stamp-counter frequency
# the Linux kernel reports. Needs both presets built. Usage: bench/frequency/run.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-3}"

kernel_mhz=$(bash "$root/scripts/kernel-tsc-mhz.sh" || true)
native_mhz=$("$root/build/native/bench-frequency" "$seconds")
exe_mhz=$(bash "$root/tests/ui/run-scenario.sh" "$root/bench/frequency/measure.sh" | sed -n 's/^exe_mhz=//p')

echo "kernel TSC:           ${kernel_mhz:-unknown} MHz"
report() {  # label value
    if [ -n "$kernel_mhz" ] && [ -n "$2" ]; then
        awk -v l="$1" -v v="$2" -v k="$kernel_mhz" \
            'BEGIN { d = 100 * (v - k) / k; printf "%-21s %d MHz (%+.3f%%, goal within 0.2%%: %s)\n", l, v, d, (d < 0.2 && d > -0.2) ? "met" : "MISSED" }'
    else
        echo "$1 ${2:-none} MHz"
    fi
}
report "native (${seconds} s pass):" "$native_mhz"
report "Tivrel.exe (Wine):" "$exe_mhz"
