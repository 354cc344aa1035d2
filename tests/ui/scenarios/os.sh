# Windows version detection and the OS page under each Windows version Wine can report: position 0
# shows the detected row with the live numbers, the system page and the report the same
# description; a browsed row shows its own texts and numbers with an empty Extra field.
# version | description | detected row | major | minor | build | service pack (what Wine 8 reports;
# Windows 8.1 and 10 answer their own numbers because the manifest declares them)
# The drop-down list: each release's name without "Windows ", row 0 standing for this computer.
releases="OS|1.0|2.0|3.0|3.1|3.11|For WorkGroups 3.0|For WorkGroups 3.11|NT 3.1|NT 3.5|NT 3.51|95|95 OSR2|NT 4.0|98|98 SE"
releases+="|2000|Me|XP|XP 64-bit Edition|XP Media Center Edition|XP Tablet PC Edition|Server 2003 family|Tablet 2005"
releases+="|Longhorn|Blackcomb|Vista|Server 2008|7|Server 2008 R2|8|Server 2012|8.1|Server 2012 R2|10|Server 2016"
releases+="|Server 2019|Server 2022|11|Server 2025"

# Wine 8 has no Windows 11 setting. Without any Version setting it reads the version from the
# registry, so "registry-22631" presents build 22631 there; the values are put back at the end.
nt_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
product_key='HKLM\System\CurrentControlSet\Control\ProductOptions'
# A registry value as text, or nothing (status 1) when there is none.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name && $2 ~ /^REG_/ { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]*/, ""); print; found = 1 }
                          END { exit !found }'
}
# KEY NAME [VALUE]: the value set as text, or removed without VALUE.
reg_set() {
    if [ $# -eq 3 ]; then
        wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1
    else
        wine reg delete "$1" /v "$2" /f >/dev/null 2>&1
    fi
}
saved=()
for value in "$nt_key|CurrentVersion" "$nt_key|CurrentBuildNumber" "$nt_key|CSDVersion" "$product_key|ProductType"; do
    if text=$(reg_value "${value%|*}" "${value#*|}"); then saved+=("$value|$text"); else saved+=("$value"); fi
done
restore_registry() {
    local value key name
    for value in "${saved[@]}"; do
        IFS='|' read -r key name _ <<<"$value"
        if [ "$value" = "$key|$name" ]; then reg_set "$key" "$name"; else reg_set "$key" "$name" "${value#"$key|$name|"}"; fi
    done
}
present_version() {
    case "$1" in
    registry-*)
        wine reg delete 'HKCU\Software\Wine\AppDefaults\Tivrel.exe' /v Version /f >/dev/null 2>&1
        reg_set "$nt_key" CurrentVersion 10.0
        reg_set "$nt_key" CurrentBuildNumber "${1#registry-}"
        reg_set "$nt_key" CSDVersion
        reg_set "$product_key" ProductType WinNT
        ;;
    *) windows_version "$1" ;;
    esac
}

while IFS='|' read -r version description row major minor build extra; do
    present_version "$version"
    # The report from Vista on (report.sh writes it under the default version).
    report=""
    [ "$row" -ge 26 ] && report=$'post 1037\ndialog Tivrel 1.04 (DB v8)\nsettext 1148 os-report.htm\npost 1\ngone 10000\nready'
    rm -f "$WORK/os-report.htm"
    drive <<EOF_
start
tab 9
text 1005 1007 1008 1009 1010 1011 1012 1013
combo 1003
select 1003 $row
text 1005 1007 1012 1013
select 1003 18
text 1005 1012 1006 1007 1008 1009 1010 1011
tab 11
text 1033
$report
close ok
EOF_
    check "$version: name at position 0" "$description" "$(nth 'text 1005' 1)"
    check "$version: live major, minor, build, extra" "$major $minor $build [$extra]" \
        "$(nth 'text 1008' 1) $(nth 'text 1009' 1) $(nth 'text 1010' 1) [$(nth 'text 1011' 1)]"
    check "$version: position 0 shows row $row's date, code name and commentary" \
        "$(nth 'text 1007' 2)|$(nth 'text 1012' 2)|$(nth 'text 1013' 2)" \
        "$(nth 'text 1007' 1)|$(nth 'text 1012' 1)|$(nth 'text 1013' 1)"
    check "$version: the list holds the 40 rows, position 0 selected" "sel=0 count=40" "$(got 'combo 1003')"
    check "$version: the list texts" "$releases" "$(awk '/^item 1003 [0-9]+: / { sub(/^[^:]*: /, ""); print }' "$OUT" | paste -sd'|')"
    check "$version: Windows Version line" "$description" "$(got 'text 1033')"
    [ -n "$report" ] && check_true "$version: the report's Operating System line" "$description" \
        grep -qF "Operating System:</td><td><b>$description</td></tr>" "$WORK/os-report.htm"
    check "$version: row 18 browsed" "Windows XP|Whistler|WinNT|Oct 2001|5|1|2600|" \
        "$(nth 'text 1005' 3)|$(nth 'text 1012' 3)|$(got 'text 1006')|$(nth 'text 1007' 3)|$(nth 'text 1008' 2)|$(nth 'text 1009' 2)|$(nth 'text 1010' 2)|$(nth 'text 1011' 2)"
done <<'ROWS'
win95|Windows 95|11|4|0|4.0.950|
win98|Windows 98 SE|15|4|10|4.10.2222| A 
nt40|Windows NT 4.0 Workstation 4.0, Service Pack 6a|13|4|0|1381|Service Pack 6a
win2k|Windows 2000 Professional, Service Pack 4|16|5|0|2195|Service Pack 4
winxp|Windows XP Professional, Service Pack 3|18|5|1|2600|Service Pack 3
win2003|Windows Server 2003 family Server, Service Pack 2|22|5|2|3790|Service Pack 2
vista|Windows Vista Professional, Service Pack 2|26|6|0|6002|Service Pack 2
win2008|Windows Server 2008, Service Pack 2|27|6|0|6002|Service Pack 2
win7|Windows 7 Professional, Service Pack 1|28|6|1|7601|Service Pack 1
win2008r2|Windows Server 2008 R2, Service Pack 1|29|6|1|7601|Service Pack 1
win8|Windows 8 Professional|30|6|2|9200|
win81|Windows 8.1 Professional|32|6|3|9600|
win10|Windows 10 Professional, Build 18362|34|10|0|18362|
registry-22631|Windows 11 Professional, Build 22631|38|10|0|22631|
ROWS
restore_registry
