#!/usr/bin/env bash
# Tivrel.exe's resources, decompiled by the cross binutils' windres: the version record, the two
# icon groups, the manifest binding common controls 6.0, and the dialog templates walked for the
# controls the code addresses, each with the class the code expects, and no id twice.
# Usage: tests/exe/resources.sh [Tivrel.exe]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/tests/checks.sh"
exe="${1:-$root/build/win32/Tivrel.exe}"
rc="$(i686-w64-mingw32-windres -i "$exe" -O rc)" || { echo "cannot decompile $exe"; exit 1; }

check "file and product version" "1, 0, 4, 1 | 1, 0, 4, 1" \
    "$(awk '$1 == "FILEVERSION" || $1 == "PRODUCTVERSION" { sub(/^ *[A-Z]+ /, ""); print }' <<<"$rc" | paste -sd'|' | sed 's/|/ | /')"
for value in '"FileVersion", "1.04"' '"FileDescription", "CPUID Database & System Information"' \
    '"InternalName", "Tivrel.exe"' '"Database", "8th Edition December 26"'; do
    check_true "version record VALUE $value" "the value" grep -qF "VALUE $value" <<<"$rc"
done
# Group entries: "width height colours pad" in octal escapes, planes, bits per pixel.
icons() {
    awk -v id="$1" 'function octal(s,  v, i) { for (i = 1; i <= length(s); i++) v = v * 8 + substr(s, i, 1); return v }
        $1 == id && $2 == "14" { on = 1; next } on && /^END/ { exit }
        on && /Element/ { split($0, q, "\""); split(q[2], b, "\\"); split(q[3], f, ", *");
            printf "%dx%dx%s ", octal(b[2]), octal(b[3]), f[3] }' <<<"$rc"
}
check "icon group 500" "32x32x4 16x16x4 48x48x8 " "$(icons 500)"
check "icon group 502" "32x32x4 " "$(icons 502)"
check_true "manifest binds common controls 6.0.0.0 for x86" "the dependency" grep -qzE \
    'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""[^>]*processorArchitecture=""x86""' <<<"$rc"

# "TEMPLATE ID CLASS" for every control with an id, classes in capitals: a control's text is
# blanked first, as it may hold commas; CONTROL names its class (130 a static, ...) after the id.
controls=$(awk '
    $2 == "DIALOGEX" { template = $1; next }
    /^END/ { template = "" }
    template == "" || $1 == "BEGIN" { next }
    {
        line = $0; if ($2 ~ /^"/) sub(/"([^"]|"")*"/, "\"\"", line)
        split(line, f, ","); kind = $1; sub(/^ *[A-Z]+ +/, "", f[1])
        if (kind == "CONTROL") { id = f[2]; class = f[3] } else { id = (f[1] ~ /"/) ? f[2] : f[1]; class = kind }
        gsub(/[ "]/, "", id); gsub(/[ "]/, "", class); class = toupper(class)
        if (class ~ /^(LTEXT|CTEXT|RTEXT|130)$/) class = "STATIC"
        else if (class ~ /^(PUSHBUTTON|DEFPUSHBUTTON|AUTOCHECKBOX|GROUPBOX|128)$/) class = "BUTTON"
        else if (class ~ /^(EDITTEXT|129)$/) class = "EDIT"
        else if (class == "133") class = "COMBOBOX"
        if (id != -1) print template, id, class
    }' <<<"$rc")
need() {  # TEMPLATE CLASS ID...
    local template=$1 class=${2^^} id
    shift 2
    for id in "$@"; do
        check "template $template control $id class" "$class" \
            "$(awk -v t="$template" -v id="$id" '$1 == t && $2 == id { print $3 }' <<<"$controls" | paste -sd' ')"
    done
}
need 1107 Edit 1200
need 1107 Static 1201 1000 1001 1002 1003 1004 1005 1006 1008 1009 1010 1011 1012 1013
need 1109 Static $(seq 2000 2079)
need 1110 Static $(seq 2000 2079)
need 1112 Edit 1200 1031 1050
need 1112 Static 1004 1008 1051 1052 1053 1054 1055 1056 1057 1601 1602 1603 1606
need 1112 ComboBox 1025 1028 1029 1030 1604
need 1112 Button 1026 1610 2100 2101
need 1112 msctls_updown32 1084
need 1113 ComboBox 1003
need 1113 Static 1005 1006 1007 1008 1009 1010 1011 1012
need 1113 Edit 1013
need 1114 SysListView32 1002
need 1114 Button 1003
need 1111 Static 1033 1034 1035 1036 1040 1041
need 1111 Edit 1531
need 1111 Button 1032 1037 1045 1926 1929
need 1005 Button 1 2
need 1005 Edit 850 851 852 853 1014
# The flag pages: a label exists for each feature bit the pages show, and for no other bit.
labels() { awk -v t="$1" -v lo="$2" '$1 == t && $2 >= lo && $2 < lo + 32 { printf "%d ", $2 - lo }' <<<"$controls"; }
check "Flags A labels of featuresEdx bits" "0 1 2 3 4 5 6 7 8 9 11 12 13 14 15 16 17 18 19 21 22 23 24 25 26 27 28 29 30 31 " \
    "$(labels 1026 1000)"
check "Flags B labels of featuresEcx bits" "0 3 4 7 8 10 " "$(labels 1108 1050)"
check "Flags B labels of extFeaturesEdx bits" "0 1 2 3 4 5 6 7 8 9 11 12 13 14 15 16 17 19 20 22 23 24 29 30 31 " \
    "$(labels 1108 1100)"
# Flags C, D and E: the bits of each word that Flags A and B leave out, where the table has them.
check "Flags C labels of featuresEcx bits" "1 2 5 6 9 11 12 13 14 15 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 " \
    "$(labels 1115 1050)"
check "Flags C labels of extFeaturesEcx bits" "0 1 2 3 4 5 6 7 8 9 10 11 12 13 15 16 17 19 21 22 23 24 26 27 28 29 30 " \
    "$(labels 1115 1350)"
check "Flags D labels of leaf7Ebx bits" "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 23 24 25 26 27 28 29 30 31 " \
    "$(labels 1116 1150)"
check "Flags D labels of leaf7Sub1Eax bits" "0 1 2 3 4 5 6 7 8 10 11 12 17 18 19 21 22 23 26 27 30 " "$(labels 1116 1300)"
check "Flags E labels of leaf7Ecx bits" "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 16 22 23 24 25 27 28 29 30 31 " \
    "$(labels 1117 1200)"
check "Flags E labels of leaf7Edx bits" "1 2 3 4 5 8 9 10 11 13 14 15 16 18 19 20 22 23 24 25 26 27 28 29 30 31 " \
    "$(labels 1117 1250)"
check "Flags E labels of extFeaturesEdx bits" "25 26 27 " "$(labels 1117 1100)"
check "no template holds an id twice" "" "$(awk '{ print $1, $2 }' <<<"$controls" | sort | uniq -d | paste -sd' ')"

# Every control of the five flag pages lies within the page and overlaps no other one.
overlaps=$(awk '
    $2 == "DIALOGEX" { template = $1; next }
    /^END/ { template = "" }
    template !~ /^(1026|1108|1115|1116|1117)$/ || $1 == "BEGIN" || $1 !~ /TEXT$/ { next }
    {
        line = $0; sub(/"([^"]|"")*"/, "\"\"", line); split(line, f, " *, *")
        x = f[3]; y = f[4]; r = x + f[5]; b = y + f[6]
        if (x < 0 || y < 0 || r > 300 || b > 175) print template ": " $0 " leaves the page"
        for (i = 1; i <= n[template]; i++) {
            split(box[template, i], o, " ")
            if (x < o[3] && o[1] < r && y < o[4] && o[2] < b) print template ": " $0 " overlaps " o[5]
        }
        box[template, ++n[template]] = x " " y " " r " " b " " f[2]
    }' <<<"$rc")
check "flag pages: no control outside its page or over another" "" "$overlaps"
# The generated templates are the table's, and every label fits its width in MS Sans Serif.
if command -v python3 >/dev/null; then
    check "the flag pages follow the feature-flag table and fit their labels" "" \
        "$(python3 "$root/resources/make_flag_pages.py" --check 2>&1)"
fi
finish resources
