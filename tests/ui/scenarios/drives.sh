# The Drives page: the drives Wine reports, six columns each in their forms, letter order; Refresh
# rebuilds the same list without duplicates.
drive <<'EOF_'
start
tab 10
listview 1002
click 1003
click 1003
listview 1002
close ok
EOF_
lists=$(awk '/^listview 1002: / { n++ } /^row 1002 / { sub(/^row 1002 /, ""); print n ": " $0 }' "$OUT")
first=$(grep '^1: ' <<<"$lists" | cut -d' ' -f2-)
check "columns" "rows=$(wc -l <<<"$first") columns=6" "$(got 'listview 1002')"
check "Refresh rebuilds the same rows" "$first" "$(grep '^2: ' <<<"$lists" | cut -d' ' -f2-)"
check "drives in letter order, C: and Z: among them" "yes" \
    "$(sed -E 's/^[0-9]+: .*\((.)\) \|.*/\1/' <<<"$first" | tr -d '\n' | grep -qE '^[A-Z]*C[A-Z]*Z$' && echo yes)"
while IFS= read -r row; do
    check_true "row $row" "name (X) | type | format | size | free | serial" grep -qE \
        '^[0-9]+: .* \([A-Z]\) \| (Unknown|Empty|Ext HD|720 3\.5|1\.44 3\.5|Flash|[0-9]+|Local|Network|Disc|RAM) \| [^|]* \| (None|[0-9.]+ (bytes|KB|MB|GB|TB|PB|EB)) \| (None|Read Only|[0-9.]+ (bytes|KB|MB|GB|TB|PB|EB)) \| (None|[0-9A-F]{8})$' <<<"$row"
done <<<"$first"
check_value exit yes
