# The sheet: caption, twelve tabs in order, start page, OK and Cancel only; OK and Cancel end the
# process; a second copy ends by itself while the first carries on; nothing saves the settings
# but leaving the system page.
drive <<'EOF_'
start
tabs
sheet
children
close ok
EOF_
check_value tabs 12
i=0
for caption in Main "Flags A" "Flags B" "Flags C" "Flags D" "Flags E" "L1 Cache" "L2+L3 Cache" Database OS Drives \
    "Settings / Help"; do
    check_value "tab $i" "$caption"
    i=$((i + 1))
done
check_value current 0
button() {  # ID: 1 when the sheet shows a button of this id, 0 when it is hidden, "" when there is none
    awk -v id="$1" '$1 == "child" && $2 == id { print substr($5, 1, 1); exit }' "$OUT"
}
check "OK button shown" 1 "$(button 1)"
check "Cancel button shown" 1 "$(button 2)"
check "no Apply button" "" "$(button 12321 | grep 1)"
check "no Help button" "" "$(button 9 | grep 1)"
check_value exit yes
check "no settings file after OK from Main" absent "$([ -e vUZU.dat ] && echo present || echo absent)"

# Cancel sends no kill-active: leaving the system page by Cancel saves nothing.
drive <<'EOF_'
start
tab 11
close cancel
EOF_
check_value exit yes
check "no settings file after Cancel" absent "$([ -e vUZU.dat ] && echo present || echo absent)"

drive <<'EOF_'
start
second
tab 1
tabs
close ok
EOF_
check_value second exited
check_value current 1
check_value exit yes
