#!/usr/bin/env bash
# Builds Tivrel.exe and runs it under Wine: on $DISPLAY when there is one, otherwise on a virtual
# display, saving a screenshot of the sheet to build/screenshot.png and closing it again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
source scripts/wine-env.sh
if tivrel_host_refuses_i386; then
    echo "run: cannot show the sheet here: $TIVREL_I386_REFUSAL; run build/win32/Tivrel.exe on Windows, or here after booting a kernel with 32-bit emulation on (ia32_emulation=on)" >&2
    exit 1
fi
if [ -n "${DISPLAY:-}" ]; then
    tivrel_wine_prefix
    cd build/win32 && exec wine Tivrel.exe
fi
TIVREL_SHOTS="$root/build" bash tests/ui/run-scenario.sh scripts/screenshot.sh
echo "screenshot: build/screenshot.png"
