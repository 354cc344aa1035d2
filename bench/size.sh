#!/usr/bin/env bash
# Size of the cross-built Tivrel.exe against the 160 KB goal (every table, text and icon inside).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exe="${1:-$root/build/win32/Tivrel.exe}"
goal=$((160 * 1024))
[ -f "$exe" ] || { echo "size: $exe not found; build the win32 preset first" >&2; exit 1; }
size=$(stat -c %s "$exe")
awk -v s="$size" -v g="$goal" 'BEGIN {
    printf "Tivrel.exe: %d bytes (%.1f KB) of the %d KB goal: %.0f%%, %s\n",
           s, s / 1024, g / 1024, 100 * s / g, s <= g ? "within" : "OVER"
}'
[ "$size" -le "$goal" ]
