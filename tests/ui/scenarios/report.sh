# "Generate Report": the save dialog, the file written byte for byte from what tivrel-cpuid and
# the pages show (the uptime apart, which ticks), a name without extension, a report while the
# cache test runs, Cancel; a volume label with markup in it comes out escaped; an existing file
# is replaced only after "Yes" to the overwrite prompt ("No" returns to the dialog).
cpuid_fields
esc() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g' <<<"$1"; }
# Bytes above 0x7F as the references of their Windows-1252 characters.
refs() { perl -MEncode -e 'local $/; print encode("ascii", decode("cp1252", <STDIN>), Encode::FB_HTMLCREF)'; }
printf '<b>&"Lab"' >"$WINEPREFIX/drive_c/.windows-label"
printf 'keep me\r\n' >"$WORK/kept.htm"
printf 'replace me' >"$WORK/replaced.htm"

drive <<EOF_
start
waitnot 1201 20000 Calculating...
$(for tab in 1 2 3 4 5; do printf 'tab %s\nchildren\n' "$tab"; done)
tab 10
listview 1002
tab 11
post 1037
dialog Tivrel 1.04 (DB v8)
settext 1148 report1.htm
post 1
gone 10000
ready
tab 11
text 1033 1034 1035 1041 1036
post 1037
dialog Tivrel 1.04 (DB v8)
settext 1148 report2
post 1
gone 10000
ready
tab 11
click 1045
sleep 1200
post 1037
dialog Tivrel 1.04 (DB v8)
settext 1148 report3.htm
post 1
gone 10000
ready
tab 11
post 1037
dialog Tivrel 1.04 (DB v8)
click 2
gone 10000
ready
tab 11
wait 1045 15000 Cache Test
post 1037
dialog Tivrel 1.04 (DB v8)
settext 1148 kept.htm
post 1
dialogwith 7 Tivrel 1.04 (DB v8)
click 7
dialogwith 1148 Tivrel 1.04 (DB v8)
click 2
gone 10000
ready
tab 11
post 1037
dialog Tivrel 1.04 (DB v8)
settext 1148 replaced.htm
post 1
dialogwith 6 Tivrel 1.04 (DB v8)
click 6
gone 10000
ready
close ok
EOF_
rm -f "$WINEPREFIX/drive_c/.windows-label"

# What the report must hold, fragment by fragment.
row() { printf '</td></tr><tr><td>%s</td><td><b>%s' "$1" "$2"; }
grid() {  # GRID: the heading row, an empty row, the filled rows
    printf 'Cache Type</td><td>Memory</td><td>Size</td><td>Association</td><td>Sectored</td></tr><tr><td></td></tr><tr><td>'
    local r rows=$(field "$1.rowCount")
    for ((r = 0; r < rows; r++)); do
        [ "$r" -gt 0 ] && printf '</td></tr><tr><td>'
        field "$1[$r]" | sed 's/ | /<\/td><td>/g' | tr -d '\n'
    done
}
kb() { printf '%s: <b>%s KB' "$1" "$2"; }
table='<table width="100%"><tr><td>'
end='</td></tr></table>'
l1i=$(field l1Instruction) l1d=$(field l1Data) l3=$(field l3)
ip=$(got 'text 1036')
[ "$ip" = Unknown ] && ip=""
expected=$({
    printf '<b>Tivrel 1.04 System Report</b><br><br>%sProcessor:</td><td><b>%s' "$table" "$(esc "$(field processorText)")"
    row Freq: "$(got_all 'text 1201' | tail -1)"
    for pair in Codename:codeNameText VendID:vendorText Type:typeText Family:familyText Model:modelLineText \
        Stepping:cpuStepping "Brand ID:brandText"; do
        row "${pair%:*}:" "$(field "${pair##*:}")"
    done
    row 'Brand String:' "$(esc "$(field brandString)")"
    printf '%s<br><b>Cache Summary</b><br><br>%s' "$end" "$table"
    printf '%s</td><td>%s</td><td>%s</td><td>%s' "$(kb 'L1 Total' $((l1i + l1d)))" "$(kb 'L1 Inst' "$l1i")" \
        "$(kb 'L1 Data' "$l1d")" "$(kb L2 "$(field l2)")"
    [ "$l3" != 0 ] && printf '</td><td>%s' "$(kb L3 "$l3")"
    printf '%s<br><br><b>Cache Level 1 Details</b><br><br>%s%s%s' "$end" "$table" "$(grid level1Grid)" "$end"
    printf '<br><b>Cache Level 2 & 3 Details</b><br><br>%s%s%s' "$table" "$(grid level23Grid)" "$end"
    printf '<br><br><b>System Information</b><br><br>%sOperating System:</td><td><b>%s' "$table" "$(esc "$(got 'text 1033')")"
    row 'Windows Uptime:' UPTIME
    row 'Physical Memory:' "$(got 'text 1035')"
    row 'Virtual Memory:' "$(got 'text 1041')"
    row 'Current IP:' "$ip"
    printf '%s<br><br><b>System Tests</b><br><br>Cache:<b>Test Not Executed<br><br><b>Drives</b><br><br>%s' "$end" "$table"
    printf 'Name</td><td>Type</td><td>Format</td><td>Size</td><td>Free</td><td>Serial</td></tr><tr><td>'
    awk '/^row 1002 / { sub(/^[^:]*: /, ""); print }' "$OUT" | head -n "$(got 'listview 1002' | sed 's/rows=\([0-9]*\).*/\1/')" |
        while IFS= read -r drive; do
            IFS='|' read -r name type format size free serial <<<"${drive// | /|}"
            printf '</td></tr><tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s</td><td>%s' \
                "$(esc "$name")" "$type" "$(esc "$format")" "$size" "$free" "$serial"
        done
    printf '%s<br><br><b>Processor Features</b><br><br>%s' "$end" "$table"
    # Each word's labels on the flag pages that are not greyed, in bit order, or "None".
    for word in 'Standard EDX:1000' 'Standard ECX:1050' 'Extended EDX:1100' 'Leaf 7 EBX:1150' 'Leaf 7 ECX:1200' \
        'Leaf 7 EDX:1250' 'Leaf 7.1 EAX:1300' 'Extended ECX:1350'; do
        names=$(awk -v base="${word##*:}" '$1 == "child" && $2 >= base && $2 < base + 32 && $4 == 1 {
            id = $2; sub(/^[^:]*: /, ""); print id "\t" $0 }' "$OUT" | sort -n | cut -f2- | paste -sd'\t' | sed 's/\t/, /g')
        if [ "$word" = 'Standard EDX:1000' ]; then printf '%s:</td><td><b>' "${word%:*}"; else row "${word%:*}:" ""; fi
        esc "${names:-None}" | tr -d '\n'
    done
    printf '%s' "$end"
} | refs)
uptime_of() { sed -E 's/(Windows Uptime:<\/td><td><b>)[^<]*/\1UPTIME/' "$1"; }
cache_of() { sed -E 's/(Cache:<b>)[^<]*/\1CACHE/'; }
check "report1.htm, byte for byte but the uptime" "$expected" "$(uptime_of "$WORK/report1.htm")"
# Written within the page's first second, the first report's uptime is still empty.
for report in report1.htm report3.htm; do
    check_true "$report's uptime" "N Dys, N Hrs, N Mns, N Scs (empty in the page's first second)" grep -qE \
        'Windows Uptime:</td><td><b>([1-9][0-9]* (Dys|Hrs|Mns|Scs)(, [1-9][0-9]* (Hrs|Mns|Scs))*)?</td>' "$WORK/$report"
done
check_true "the uptime after a second" "a non-empty uptime" grep -qE 'Windows Uptime:</td><td><b>[1-9]' "$WORK/report3.htm"
check "no line breaks" 0 "$(cat "$WORK"/report1.htm | wc -l)"
check_true "the label's markup escaped" "&lt;b&gt;&amp;&quot;Lab&quot; (C)" grep -qF '&lt;b&gt;&amp;&quot;Lab&quot; (C)' "$WORK/report1.htm"
check "a name typed without extension is used as typed" "report2" "$(cd "$WORK" && ls report2 2>/dev/null)"
check "report2 holds the same report" "$(uptime_of "$WORK/report1.htm")" "$(uptime_of "$WORK/report2")"
check_true "a report during the cache test holds the entries so far" "Cache:<b> N KB\\N  ...<br>" \
    grep -qE 'Cache:<b> ([0-9]+ KB\\[0-9]+  )+<br>' "$WORK/report3.htm"
check "Cancel writes nothing" "report1.htm report2 report3.htm" "$(cd "$WORK" && ls report* | paste -sd' ')"
check "No to the overwrite prompt keeps the file byte for byte" "$(printf 'keep me\r\n' | od -c)" "$(od -c <"$WORK/kept.htm")"
# Written after the cache test, whose result it carries.
check "Yes to the overwrite prompt replaces the file with the report" "$(uptime_of "$WORK/report1.htm" | cache_of)" \
    "$(uptime_of "$WORK/replaced.htm" | cache_of)"
check "no byte above 0x7F in the report" 0 "$(LC_ALL=C grep -c $'[\x80-\xff]' "$WORK/report1.htm")"
check_value exit yes
