# Windows version detection and the OS page under each Windows version Wine can report: position 0
# shows the detected row with the live numbers, the system page the same description; a browsed
# row shows its own texts and numbers with an empty Extra field.
# version | description | detected row | major | minor | build | service pack (what Wine 8 reports;
# Windows 8.1 and 10 answer their own numbers because the manifest declares them)
# The drop-down list: each release's name without "Windows ", row 0 standing for this computer.
releases="OS|1.0|2.0|3.0|3.1|3.11|For WorkGroups 3.0|For WorkGroups 3.11|NT 3.1|NT 3.5|NT 3.51|95|95 OSR2|NT 4.0|98|98 SE"
releases+="|2000|Me|XP|XP 64-bit Edition|XP Media Center Edition|XP Tablet PC Edition|Server 2003 family|Tablet 2005"
releases+="|Longhorn|Blackcomb"
while IFS='|' read -r version description row major minor build extra; do
    windows_version "$version"
    drive <<EOF_
start
tab 9
text 1005 1008 1009 1010 1011 1013
combo 1003
select 1003 $row
text 1013
select 1003 18
text 1005 1012 1006 1007 1008 1009 1010 1011
tab 11
text 1033
close ok
EOF_
    check "$version: name at position 0" "$description" "$(nth 'text 1005' 1)"
    check "$version: live major, minor, build, extra" "$major $minor $build [$extra]" \
        "$(nth 'text 1008' 1) $(nth 'text 1009' 1) $(nth 'text 1010' 1) [$(nth 'text 1011' 1)]"
    check "$version: position 0 shows row $row's commentary" "$(nth 'text 1013' 2)" "$(nth 'text 1013' 1)"
    check "$version: the list holds the 26 rows, position 0 selected" "sel=0 count=26" "$(got 'combo 1003')"
    check "$version: the list texts" "$releases" "$(awk '/^item 1003 [0-9]+: / { sub(/^[^:]*: /, ""); print }' "$OUT" | paste -sd'|')"
    check "$version: Windows Version line" "$description" "$(got 'text 1033')"
    check "$version: row 18 browsed" "Windows XP|Whistler|WinNT|Oct 2001|5|1|2600|" \
        "$(nth 'text 1005' 2)|$(got 'text 1012')|$(got 'text 1006')|$(got 'text 1007')|$(nth 'text 1008' 2)|$(nth 'text 1009' 2)|$(nth 'text 1010' 2)|$(nth 'text 1011' 2)"
done <<'ROWS'
win95|Windows 95|11|4|0|4.0.950|
win98|Windows 98 SE|15|4|10|4.10.2222| A 
nt40|Windows NT 4.0 Workstation 4.0, Service Pack 6a|13|4|0|1381|Service Pack 6a
win2k|Windows 2000 Professional, Service Pack 4|16|5|0|2195|Service Pack 4
winxp|Windows XP Professional, Service Pack 3|18|5|1|2600|Service Pack 3
win2003|Windows Server 2003 family Server, Service Pack 2|22|5|2|3790|Service Pack 2
vista|Windows Longhorn Professional, Service Pack 2|24|6|0|6002|Service Pack 2
win81|Windows Longhorn Professional|24|6|3|9600|
win10|Unknown NT OS Professional|0|10|0|18362|
ROWS
