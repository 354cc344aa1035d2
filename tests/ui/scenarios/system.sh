# The Settings / Help page: the machine lines, the measuring settings saved when the page is left
# and read back at the next start, the cache test, About with its Contact view, and Help.
word_at() { od -An -tu4 -j "$1" -N4 "$WORK/vUZU.dat" | tr -d ' '; }
# The help document opens with notepad here, so that its window tells which file was handed over.
wine reg add 'HKCR\.htm' /ve /d TivrelHelpTest /f >/dev/null 2>&1
wine reg add 'HKCR\TivrelHelpTest\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1

drive <<'EOF_'
start
tab 11
text 1034
sleep 1200
text 1034 1035 1041 1036 1040 1531
settext 1531 10
check 1032 1
tab 0
tab 11
click 1045
text 1045
click 1045
text 1045
wait 1045 15000 Cache Test
text 1040
post 1929
dialog Tivrel 1.04
children
click 2
text 850 2
click 2
click 2
text 2
click 1
gone 3000
tab 11
post 1926
windows 10000 ReadMe.htm
close ok
EOF_
check "uptime before the first tick" "..." "$(got 'text 1034' | head -1)"
check_true "uptime in days, hours, minutes and seconds" "N Dys, N Hrs, N Mns, N Scs, zero parts left out" \
    grep -qE '^[1-9][0-9]* (Dys|Hrs|Mns|Scs)(, [1-9][0-9]* (Hrs|Mns|Scs))*$' <<<"$(got_all 'text 1034' | tail -1)"
for id in 1035 1041; do
    check_true "memory line $id" "N KBytes Available / N KBytes Total" \
        grep -qE '^[0-9]+ KBytes Available / [0-9]+ KBytes Total$' <<<"$(got "text $id")"
    read -r available _ _ _ total _ <<<"$(got "text $id")"
    check_true "memory line $id: available at most total" "$available <= $total" test "${available:-1}" -le "${total:-0}"
done
# The whole memory of the machine, not a 32-bit count clamped at 2 or 4 GB.
read -r _ _ _ _ physical _ <<<"$(got 'text 1035')"
machine=$(awk '/^MemTotal:/ { print $2 }' /proc/meminfo)
check_true "physical memory total within 1% of MemTotal" "$physical KB within 1% of $machine KB" \
    test $((100 * (physical > machine ? physical - machine : machine - physical) <= machine)) -eq 1
check_true "IP address dotted or Unknown" "a dotted address or Unknown" \
    grep -qE '^([0-9]{1,3}\.){3}[0-9]{1,3}$|^Unknown$' <<<"$(got 'text 1036')"
check "cache test not run yet" "Test Not Executed" "$(got 'text 1040' | head -1)"
check "measuring time from the defaults" 3 "$(got 'text 1531')"
check "settings file after leaving the page" "58 TVRL1041 10 1" \
    "$(stat -c %s "$WORK/vUZU.dat") $(head -c 8 "$WORK/vUZU.dat") $(word_at 8) $(word_at 12)"
check "cache test running, a second press ignored" "Testing... Testing..." "$(got_all 'text 1045' | head -2 | paste -sd' ')"
result=$(got_all 'text 1040' | tail -1)
check "cache test: 13 entries from 1 KB to 4096 KB" \
    " 1 KB\\N  2 KB\\N  4 KB\\N  8 KB\\N  16 KB\\N  32 KB\\N  64 KB\\N  128 KB\\N  256 KB\\N  512 KB\\N  1024 KB\\N  2048 KB\\N  4096 KB\\N  " \
    "$(sed -E 's/\\[0-9]+/\\N/g' <<<"$result")"
check "About view" "Tivrel 1.04 (DB v8)|Contact" "$(got 'child 850 Edit 1 1')|$(got 'child 2 Button 1 1')"
check "Contact view" "Questions, reports and corrections:|About" "$(got 'text 850')|$(got 'text 2' | head -1)"
check "three presses end in the Contact view" "About" "$(got_all 'text 2' | tail -1)"
check_value gone yes
check "Help opens ReadMe.htm" "ReadMe.htm - Notepad" "$(got windows)"

# The next start reads the settings back; a box of 0 stores 5 and keeps showing 0. Help without
# its document reports nothing.
rm -f "$WORK/ReadMe.htm"
drive <<'EOF_'
start
tab 11
text 1531
state 1032
settext 1531 0
tab 0
tab 11
text 1531
post 1926
sleep 1000
tab 0
close ok
EOF_
check "measuring time read back" 10 "$(got 'text 1531' | head -1)"
check "continuous measuring read back" "enabled=1 visible=1 checked=1" "$(got 'state 1032')"
check "a box of 0 stores 5" 5 "$(word_at 8)"
check "the box is not rewritten" 0 "$(got_all 'text 1531' | tail -1)"
check "Help without ReadMe.htm: the sheet carries on and closes" yes "$(got exit)"
wine reg delete 'HKCR\.htm' /f >/dev/null 2>&1
wine reg delete 'HKCR\TivrelHelpTest' /f >/dev/null 2>&1
