#!/usr/bin/env bash
# Time to write the report under Wine (from pressing Save in the save dialog to the file closed and
# the program taking messages again: probe, description, drive queries and writes), median of RUNS
# reports (default 5), and the report's size. Needs the win32 build. Usage: bench/report/run.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../median.sh
. "$root/bench/median.sh"
out=$(BENCH_RUNS="${1:-5}" bash "$root/tests/ui/run-scenario.sh" "$root/bench/report/measure.sh")
times=$(sed -n 's/^times_ms=//p' <<<"$out")
echo "report times: $times ms"
echo "median: $(median <<<"$times") ms"
echo "report size: $(sed -n 's/^size_bytes=//p' <<<"$out") bytes"
