#!/usr/bin/env bash
# Start-up time: from CreateProcess to the visible sheet, median of RUNS starts (default 7), for
# Tivrel.exe and for a minimal two-page property sheet, and their ratio. Needs the win32 build
# (build/win32: Tivrel.exe, tivrel-ui-driver.exe, MinimalSheet.exe). Usage: bench/startup/run.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BENCH_RUNS="${1:-7}" bash "$root/tests/ui/run-scenario.sh" "$root/bench/startup/measure.sh" | grep -v '^  | '
