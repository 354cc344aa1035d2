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
trap tivrel_wine_cleanup EXIT
cd build/win32
wine Tivrel.exe &
program=$!
wine tivrel-ui-driver.exe wait-sheet >/dev/null
sleep 1   # let the first page finish painting
import -window root "$root/build/screenshot.png"
wine tivrel-ui-driver.exe close-sheet >/dev/null
wait "$program"
echo "screenshot: build/screenshot.png"
