#!/usr/bin/env bash
# Builds both presets and runs every test: unit tests (sanitizers on) and the
# end-to-end scenarios under Wine on a virtual display. On a host that cannot start Wine the
# scenarios report skipped, and the last line names them and the cause.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
log=build/native/ctest-output.txt
status=0
ctest --preset native 2>&1 | tee "$log" || status=$?
skipped=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log" | tr '\n' ' ')
if [ -n "$skipped" ]; then
    source scripts/wine-env.sh
    cause="see each test's output"
    tivrel_host_refuses_i386 && cause=$TIVREL_I386_REFUSAL
    echo "test.sh: skipped ${skipped% }: $cause"
fi
exit "$status"
