#!/usr/bin/env bash
# The folders of src/ are layers: a file includes only its own folder and folders below it, so no
# two folders depend on each other, directly or through others; only the Win32 shell includes
# Windows headers (or the shell's *_win32.h). Fails naming both files. Usage: layers.sh [SRC]
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}"

# Top to bottom; folders on one line stand side by side and include neither each other.
layers=("win32 tools" settings report system database probe cache cpu ui text)
declare -A height
for ((i = 0; i < ${#layers[@]}; i++)); do
    for folder in ${layers[i]}; do height[$folder]=$i; done
done

checked=0
while IFS= read -r file; do
    relative=${file#"$src"/} folder=${relative%%/*}
    [ -n "${height[$folder]+set}" ] || { fail "$relative" "a folder among the layers" "$folder"; continue; }
    while IFS= read -r line; do
        checked=$((checked + 1))
        if [[ $line =~ \<(windows|winsock2?|commctrl|commdlg|shellapi|prsht)\.h\>|_win32\.h\" ]]; then
            [ "$folder" = win32 ] || fail "$relative" "no include of the Win32 shell" "${line#\#include }"
        elif [[ $line =~ \"(([a-z0-9]+)/[^\"]+)\" ]] && [ "${BASH_REMATCH[2]}" != "$folder" ]; then
            target=${BASH_REMATCH[1]} included=${BASH_REMATCH[2]}   # not the standard library or resources/
            [ "${height[$included]:--1}" -gt "${height[$folder]}" ] ||
                fail "$relative" "includes of layers below $folder only" "$target"
        fi
    done < <(grep -E '^#include' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h' | sort)

order=$(printf ' > %s' "${layers[@]/ / | }")
echo "$checked includes read; the layers, top to bottom: ${order:3}"
finish layers
