# The Main, flags and cache pages against tivrel-cpuid's answer for this machine: the notices
# for unknown descriptors, the measured clock against the kernel's time-stamp-counter figure,
# each flag label of the five flag pages greyed exactly for the clear bits of its word, the
# vendor's own names, and every cell of both cache pages.
cpuid_fields

drive <<'EOF_'
start
text 1201
waitnot 1201 20000 Calculating...
tab 1
children
tab 2
children
tab 3
children
tab 4
children
tab 5
children
tab 6
children
tab 7
children
close ok
EOF_
check "notices for unknown descriptors" "$(field unknownDescriptor | tr '\n' ' ')" "$(got_all notice | tr '\n' ' ')"

# The clock: "Calculating..." at first, then within 0.5% of the kernel's figure.
if (( 0x$(field featuresEdx) & 0x10 )); then
    check "Freq while measuring" "Calculating..." "$(got "text 1201")"
    mhz=$(got_all "text 1201" | tail -1)
    check_true "Freq reads N MHz" "N MHz" grep -qE '^[0-9]+ MHz$' <<<"$mhz"
    if kernel=$(bash "$ROOT/scripts/kernel-tsc-mhz.sh"); then
        check_true "Freq $mhz within 0.5% of the kernel's $kernel MHz" "within 0.5%" \
            awk -v m="${mhz% MHz}" -v k="$kernel" 'BEGIN { d = (m - k) / k; exit !(d < 0.005 && d > -0.005) }'
    fi
else
    check "Freq without a time-stamp counter" "Not Supported" "$(got "text 1201")"
fi

# Children of each page in tab order: "page N" before each list.
awk 'BEGIN { page = 0 } /^children: / { print "page " ++page } /^child / { print }' "$OUT" >"$WORK/children.txt"
flag_states() {  # PAGE BASE WORD: "id expected got" for each label of the word's ids base..base+31
    awk -v p="$1" -v base="$2" -v word="$((0x$3))" '/^page / { page = $2; next }
        page == p && $2 >= base && $2 < base + 32 {
            bit = $2 - base; set = int(word / 2 ^ bit) % 2; print $2, set, $4 }' "$WORK/children.txt"
}
# Leaf 80000001 EDX bit 11 (SYSCALL): on Intel processors it may read clear to 32-bit code such as
# Tivrel.exe and set to 64-bit code such as tivrel-cpuid (a hypervisor that answers CPUID itself
# gives both the same), so on Intel its label may show either way.
either_way=""
[ "$(field vendorIndex)" = 0 ] && either_way=1111
check_flags() {  # PAGE BASE WORD-NAME LABELS
    local states
    states=$(flag_states "$1" "$2" "$(field "$3")")
    check "page $1 labels of $3" "$4" "$(wc -l <<<"$states")"
    check "page $1 greyed exactly for the clear bits of $3" "" \
        "$(awk -v skip="$either_way" '$2 != $3 && $1 != skip { print $1 }' <<<"$states" | tr '\n' ' ')"
}
check_flags 1 1000 featuresEdx 30
check_flags 2 1050 featuresEcx 6
check_flags 2 1100 extFeaturesEdx 25
check_flags 3 1050 featuresEcx 25
check_flags 3 1350 extFeaturesEcx 27
check_flags 4 1150 leaf7Ebx 31
check_flags 4 1300 leaf7Sub1Eax 21
check_flags 5 1200 leaf7Ecx 25
check_flags 5 1250 leaf7Edx 26
check_flags 5 1100 extFeaturesEdx 3
# Bits the vendors name each their own way: the running vendor's name.
label() {  # PAGE ID: the label's text
    awk -v p="$1" -v id="$2" '/^page / { page = $2; next } page == p && $2 == id { sub(/^[^:]*: /, ""); print }' \
        "$WORK/children.txt"
}
case $(field vendorIndex) in
0) check "Intel's name of extended ECX bit 5" "LZCNT Instruction" "$(label 3 1355)"
   check "Intel's name of extended ECX bit 8" "PREFETCHW Instruction" "$(label 3 1358)" ;;
1) check "AMD's name of leaf 7 EBX bit 12" "QoS Monitoring" "$(label 4 1162)"
   check "AMD's name of extended ECX bit 5" "Advanced Bit Manipulation" "$(label 3 1355)" ;;
esac

# Every cell of both pages: filled rows as tivrel-cpuid prints them, "None Detected" alone on an
# empty grid, all other cells empty.
check_grid() {  # PAGE GRID
    local rows expected
    rows=$(field "$2.rowCount")
    expected=$(for r in $(seq 0 15); do
        if [ "$r" -lt "$rows" ]; then field "$2[$r]" | awk -F' \\| ' '{ for (c = 1; c <= 5; c++) print $c }'
        elif [ "$r" -eq 0 ]; then printf 'None Detected\n\n\n\n\n'
        else printf '\n\n\n\n\n'; fi
    done)
    check "page $1 cells of $2" "$expected" "$(awk -v p="$1" '/^page / { page = $2; next }
        page == p && $2 >= 2000 && $2 <= 2079 { sub(/^[^:]*: /, ""); print }' "$WORK/children.txt")"
}
check_grid 6 level1Grid
check_grid 7 level23Grid
check_value exit yes
