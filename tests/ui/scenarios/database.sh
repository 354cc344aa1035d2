# The processor description on the Main and Database pages against tivrel-cpuid's answer for
# this machine; stepping through the table, the Find examples, Reset, and the commentary view.
cpuid_fields

drive <<'EOF_'
start
text 1200 1000 1001 1002 1003 1004 1008 1006
tab 8
text 1200
combo 1025 1029 1030 1028
text 1031 1604
click 2101
text 1200 1051
click 2101
text 1200 1051
click 2100
text 1200 1050
post 1050 256
dialog Tivrel 1.04
text 1014
click 1
gone 3000
tab 8
select 1025 3
select 1030 5
select 1029 0
settext 1031 4
settext 1604 256
click 1026
text 1200
settext 1604 512
click 1026
text 1200
settext 1604 0
click 1026
text 1200
select 1025 0
select 1030 7
settext 1031 4
select 1028 0
click 1026
text 1200 1008
select 1025 1
select 1030 7
settext 1031 9
click 1026
text 1200 1008
select 1025 0
select 1030 6
settext 1031 15
select 1028 0
click 1026
text 1200 1008 1051
click 1610
text 1200 1031
close ok
EOF_

# Main: the texts tivrel-cpuid gives (the bare numbers when nothing matched).
check "Main processor" "$(field processorText)" "$(nth 'text 1200' 1)"
check "Main vendor" "$(field vendorText)" "$(got 'text 1000')"
check "Main type" "$(field typeText)" "$(got 'text 1001')"
check "Main stepping" "$(field cpuStepping)" "$(got 'text 1002')"
check "Main family" "$(field familyText)" "$(got 'text 1003')"
check "Main model" "$(field modelLineText)" "$(got 'text 1004')"
[ "$(field matchedEntry)" != 0 ] && [ "$(field codeNameText)" != Unknown ] &&
    check "Main code name" "$(field codeNameText)" "$(got 'text 1008')"
[ "$(field brandStringValid)" = 1 ] && check "Main brand string" "$(field brandString)" "$(got 'text 1006')"

# Database: the detected processor with the selectors set to it.
check "Database processor" "$(field processorText)" "$(nth 'text 1200' 2)"
family=$(field cpuFamily)
check "vendor list" "sel=$(field vendorIndex) count=12" "$(got 'combo 1025')"
check "type list" "sel=$(field cpuType) count=4" "$(got 'combo 1029')"
check "family list" "sel=$([ "$family" = 15 ] && echo 7 || echo "$family") count=9" "$(got 'combo 1030')"
check "brand list" "sel=$(field brandId) count=23" "$(got 'combo 1028')"
check "model field" "$(field cpuModel)" "$(got 'text 1031')"
check "L2 field" "$(field l2)" "$(got 'text 1604')"

# Next from the detected processor, Next, Prev: entries with their own class stats.
first=$(( $(field matchedEntry) + 1 ))
[ "$first" = 1 ] && {
    check "Next > shows entry 1" "Intel 4004(TM) Processor" "$(nth 'text 1200' 3)"
    check "entry 1 class date" "Oct 1971" "$(nth 'text 1051' 1)"
    check "Next > shows entry 2" "Intel 8008(TM) Processor" "$(nth 'text 1200' 4)"
    check "entry 2 class date" "Apr 1972" "$(nth 'text 1051' 2)"
}
check "< Prev goes back" "$(nth 'text 1200' 3)" "$(nth 'text 1200' 5)"
check "the text view shows the commentary" "$(got 'text 1050')" "$(got 'text 1014')"
check_value gone yes

check "Find Transmeta 0543 with 256 KB" "Transmeta Crusoe TM5400" "$(nth 'text 1200' 6)"
check "Find Transmeta 0543 with 512 KB" "Transmeta Crusoe TM5600" "$(nth 'text 1200' 7)"
check "Find Transmeta 0542 without L2" "Transmeta Crusoe TM3200" "$(nth 'text 1200' 8)"
check "Find Intel family 15 model 4 without brand" "Unknown New Processor" "$(nth 'text 1200' 9)"
check "... its code name" "Pentium(R) 5" "$(nth 'text 1008' 2)"
check "Find AMD family 15 model 9" "Unknown New Processor" "$(nth 'text 1200' 10)"
check "... its code name" "K9" "$(nth 'text 1008' 3)"
check "Find Intel family 6 model 15: an entry after 2004" "Intel(R) Core(TM)2 Duo Processor" "$(nth 'text 1200' 11)"
check "... its code name" "Conroe / Merom" "$(nth 'text 1008' 4)"
check "... its class date" "Jul 2006" "$(nth 'text 1051' 3)"
check "Reset shows the detected processor" "$(field processorText)" "$(nth 'text 1200' 12)"
check "Reset restores the model" "$(field cpuModel)" "$(nth 'text 1031' 2)"
check_value exit yes
