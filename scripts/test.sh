#!/usr/bin/env bash
# Builds both presets and runs every test: unit tests (sanitizers on) and the
# end-to-end scenarios under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
ctest --preset native
