# The scenarios' side of the UI driver (sourced by run-scenario.sh): run the driver on a script,
# then read the "name: value" lines it printed.
# shellcheck source=../checks.sh
. "$ROOT/tests/checks.sh"
OUT="$WORK/driver-output.txt"

# Every value of the lines "KEY: value" of FILE, one per line.
values() { awk -v key="$2: " 'index($0, key) == 1 { print substr($0, length(key) + 1) }' "$1"; }
# What the last run printed: the first value for KEY ("" when there is none), every value, the Nth.
got() { values "$OUT" "$1" | head -n 1; }
got_all() { values "$OUT" "$1"; }
nth() { got_all "$1" | sed -n "$2p"; }
check_value() { check "$1" "$2" "$(got "$1")"; }

# tivrel-cpuid's answer for this machine, which the pages must agree with; field KEY reads it.
cpuid_fields() {
    "$NATIVE_DIR/tivrel-cpuid" --fields >"$WORK/cpuid.txt" || fail "tivrel-cpuid on this machine" "status 0" "status $?"
}
field() { values "$WORK/cpuid.txt" "$1"; }

# Runs the driver on the commands read from stdin. While it runs, "shot NAME" markers are
# answered: with TIVREL_SHOTS set, the screen is saved there as NAME.png.
drive() {
    cat >"$WORK/script.txt"
    (cd "$WORK" && timeout --kill-after=10 "${TIVREL_UI_TIMEOUT:-120}" \
        wine tivrel-ui-driver.exe script.txt >"$OUT" 2>&1 </dev/null) &
    local driver=$! marker
    while kill -0 "$driver" 2>/dev/null; do
        for marker in "$WORK"/*.shot; do
            [ -e "$marker" ] || continue
            [ -n "${TIVREL_SHOTS:-}" ] && import -window root "$TIVREL_SHOTS/$(basename "$marker" .shot).png"
            rm -f "$marker"
        done
        sleep 0.1
    done
    wait "$driver"
    local status=$?
    sed 's/^/  | /' "$OUT"
    [ "$status" -eq 0 ] || fail "driver run" "status 0" "status $status"
}

# The Windows version Wine reports to Tivrel.exe alone (win95, win98, nt40, ..., win10), until
# the scenario ends.
windows_version() {
    wine reg add 'HKCU\Software\Wine\AppDefaults\Tivrel.exe' /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
