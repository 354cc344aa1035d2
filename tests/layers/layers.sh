#!/usr/bin/env bash
# The folders of src/ are layers: a file includes only its own folder and folders below it, so
# no two folders depend on each other, directly or through others. Only the Win32 shell includes
# Windows headers (or the shell's own *_win32.h). Fails naming the including and included files.
# Usage: tests/layers/layers.sh [SRC]
set -uo pipefail
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}"

# Top to bottom; folders on one line stand side by side and include neither each other.
layers=(
    "win32 tools"
    settings
    report
    system
    database
    probe
    cache
    cpu
    ui
    text
)
declare -A height
for ((i = 0; i < ${#layers[@]}; i++)); do
    for folder in ${layers[i]}; do height[$folder]=$i; done
done
windows_headers='windows\.h|winsock2?\.h|commctrl\.h|commdlg\.h|shellapi\.h|prsht\.h'

failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
checked=0
while IFS= read -r file; do
    relative=${file#"$src"/}
    folder=${relative%%/*}
    if [ -z "${height[$folder]+set}" ]; then
        fail "$relative: folder $folder has no place among the layers"
        continue
    fi
    while IFS= read -r line; do
        checked=$((checked + 1))
        if [[ $line =~ ^#include\ *\<($windows_headers)\> ]] || [[ $line =~ ^#include\ *\"[^\"]*_win32\.h\" ]]; then
            [ "$folder" = win32 ] || fail "$relative includes ${line#\#include } from the Win32 shell"
            continue
        fi
        [[ $line =~ ^#include\ *\"([a-z0-9]+)/[^\"]+\" ]] || continue   # the standard library, resources/
        included=${BASH_REMATCH[1]}
        target=${line#*\"}
        target=${target%\"*}
        [ "$included" = "$folder" ] && continue
        if [ -z "${height[$included]+set}" ]; then
            fail "$relative includes $target from $included, which has no place among the layers"
        elif [ "${height[$included]}" -le "${height[$folder]}" ]; then
            fail "$relative includes $target: $folder may not depend on $included, which is not below it"
        fi
    done < <(grep -E '^#include' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h' | sort)

if [ "$failures" -eq 0 ]; then
    order=$(printf ' > %s' "${layers[@]/ / | }")
    echo "layers: $checked includes, each downward (${order:3})"
    exit 0
fi
echo "layers: $failures include(s) out of place"
exit 1
