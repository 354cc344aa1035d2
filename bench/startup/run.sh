#!/usr/bin/env bash
# Start-up time: from CreateProcess to the visible sheet, median of RUNS starts (default 7), for
# Tivrel.exe and for a minimal two-page property sheet, and their ratio. Needs the win32 build
# (build/win32: Tivrel.exe, tivrel-ui-driver.exe, MinimalSheet.exe). Usage: bench/startup/run.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
runs="${1:-7}"

median() {  # exe caption
    local out
    out="$(bash "$root/tests/ui/run-scenario.sh" startup-time "$1" "$2" "$runs")" || {
        echo "$out" >&2
        echo "bench: $1 did not show its sheet" >&2
        exit 1
    }
    echo "$out" | sed -n 's/^median_ms=//p'
}

tivrel_ms="$(median Tivrel.exe "Tivrel 1.04 (DB v7)")"
minimal_ms="$(median MinimalSheet.exe "Minimal Sheet")"
echo "Tivrel.exe        start-up: ${tivrel_ms} ms (median of $runs)"
echo "MinimalSheet.exe  start-up: ${minimal_ms} ms (median of $runs)"
awk -v t="$tivrel_ms" -v m="$minimal_ms" 'BEGIN { printf "ratio Tivrel / minimal: %.2f\n", t / m }'
