#!/usr/bin/env bash
# Builds Tivrel.exe and runs it under Wine: on $DISPLAY when there is one, otherwise
# on a virtual display, saving a screenshot of the sheet to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
source scripts/wine-env.sh
tivrel_wine_prefix
if [ -n "${DISPLAY:-}" ]; then
    cd build/win32 && exec wine Tivrel.exe
fi
tivrel_virtual_display
cd build/win32
wine Tivrel.exe &
wine tivrel-ui-driver.exe wait-sheet
import -window root "$root/build/screenshot.png"
wine tivrel-ui-driver.exe close-sheet
wait
echo "screenshot: build/screenshot.png"
