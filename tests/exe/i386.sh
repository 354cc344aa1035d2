#!/usr/bin/env bash
# Tivrel.exe runs on a 386 with Windows 95 OSR2: its code holds no instruction a 386 with a
# 387 lacks, but for the one CPUID and the one RDTSC behind their checks (the ID flag, the
# time-stamp-counter bit); it imports only functions of tests/data/windows95-imports.txt, has no TLS
# directory, asks for subsystem 4.0, and links no static constructor (the linker map shows the
# constructor list empty). Usage: tests/exe/i386.sh [Tivrel.exe] (the map beside it).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../checks.sh"
exe="${1:-$here/../../build/win32/Tivrel.exe}"
map="${exe%.exe}.map"
objdump=i686-w64-mingw32-objdump

# Mnemonics of later processors: P6 (cmov, fcmov, fcomi, long nop, ud2), Pentium (cmpxchg8b,
# rdmsr, rdpmc), 486 (bswap, cmpxchg, xadd, invd, wbinvd, invlpg), fast system calls, MMX, SSE
# and later extensions, and any operand in an MMX or SSE register.
later='^(cmov|fcmov|fcomi|fucomi|nop[wl]|ud[012]|cmpxchg|rdmsr|wrmsr|rdpmc|rsm|bswap|xadd|invd|wbinvd|invlpg|sys(enter|exit|call|ret)|emms|femms|fxsave|fxrstor|ldmxcsr|stmxcsr|prefetch|[lms]fence|clflush|movnti|pause|monitor|mwait|fisttp|popcnt|lzcnt|tzcnt|movbe|crc32|endbr|rdrand|rdseed|xgetbv|xsave|xrstor|rdtscp|andn|bextr|bzhi|pdep|pext|[sh]arx|shlx|shrx|rorx|adcx|adox)'
code=$($objdump -d --no-show-raw-insn -j .text "$exe" | awk -F'\t' 'NF >= 2 && $2 != "" { print $2 }')
check_true "instructions decoded" "a disassembly" test -n "$code"
check "instructions of later processors" "" \
    "$(awk '{ print $1 }' <<<"$code" | grep -E "$later" | sort | uniq -c | paste -sd' ')"
check "operands in MMX or SSE registers" "" "$(grep -E '%(mm|xmm|ymm|zmm)[0-9]' <<<"$code" | head -3 | paste -sd' ')"
check "CPUID instructions" 1 "$(grep -cE '^cpuid' <<<"$code")"
check "RDTSC instructions" 1 "$(grep -cE '^rdtsc' <<<"$code")"

headers=$($objdump -p "$exe")
imports=$(awk '/DLL Name:/ { dll = toupper($3); next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 } /^$/ { dll = "" }' <<<"$headers")
check_true "imports read" "import entries" test -n "$imports"
check "imports outside windows95-imports.txt" "" \
    "$(grep -vxF -f <(grep -v '^#' "$here/../data/windows95-imports.txt") <<<"$imports" | paste -sd',')"
check "subsystem version" "4 0" "$(awk '/MajorSubsystemVersion/ { a = $2 } /MinorSubsystemVersion/ { b = $2 } END { print a, b }' <<<"$headers")"
check "TLS directory" "00000000 00000000" "$(awk '/Thread Storage Directory/ { print $3, $4 }' <<<"$headers")"
check "static constructors linked" "" \
    "$(awk '/__CTOR_LIST__ = \./ { on = 1; next } on && /LONG 0x0$/ { exit } on && /^ \.ctors?[ .]/' "$map" 2>/dev/null)"
check_true "linker map present" "$map" test -s "$map"
finish i386
