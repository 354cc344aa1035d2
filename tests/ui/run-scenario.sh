#!/usr/bin/env bash
# Runs one end-to-end scenario: tivrel-ui-driver.exe SCENARIO [ARGS...] under Wine, on a virtual
# display (or on $DISPLAY when TIVREL_USE_DISPLAY is set), in a fresh folder holding copies of
# Tivrel.exe, ReadMe.htm and the driver, so that no settings file survives a scenario.
# Exits with the driver's status; everything it started is ended on the way out.
#
# TIVREL_WIN32_DIR: where the cross build put the executables (default build/win32).
# TIVREL_UI_TIMEOUT: seconds before the driver is stopped (default 120).
# TIVREL_UI_FILES: more files to copy beside the driver (space-separated), e.g. expectations a
#   scenario reads; the driver finds them in its own directory. Unix paths also work as Z:\...
# TIVREL_UI_SHOT: a PNG path; the screen is captured there TIVREL_UI_SHOT_DELAY (3) seconds in.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
win32_dir="${TIVREL_WIN32_DIR:-$root/build/win32}"
if [ $# -lt 1 ]; then
    echo "usage: $0 SCENARIO [ARGS...]" >&2
    exit 2
fi

# A prefix of its own, so that a Tivrel.exe the user runs meanwhile (same mutex, same
# wineserver) neither disturbs a scenario nor is ended by its clean-up.
export TIVREL_WINEPREFIX="${TIVREL_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tivrel-wine32-ui}"
# shellcheck source=../../scripts/wine-env.sh
. "$root/scripts/wine-env.sh"

for exe in Tivrel.exe tivrel-ui-driver.exe; do
    if [ ! -f "$win32_dir/$exe" ]; then
        echo "run-scenario: $win32_dir/$exe is missing; build the win32 preset first" >&2
        exit 1
    fi
done

tivrel_wine_prefix || exit 1

# One scenario at a time per prefix: they share the wineserver that the clean-up ends.
exec 8>"$WINEPREFIX.run.lock"
flock -w 900 8 || { echo "run-scenario: prefix busy" >&2; exit 1; }

work="$(mktemp -d "${TMPDIR:-/tmp}/tivrel-ui.XXXXXX")"
cleanup() {
    tivrel_wine_cleanup
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cp "$win32_dir/Tivrel.exe" "$win32_dir/tivrel-ui-driver.exe" "$work/"
for extra in ReadMe.htm MinimalSheet.exe; do
    [ -f "$win32_dir/$extra" ] && cp "$win32_dir/$extra" "$work/"
done
for extra in ${TIVREL_UI_FILES:-}; do
    cp "$extra" "$work/" || exit 1
done

# What the pages must show on this machine: the core's own answer, and the kernel's clock figure.
native_tool="${TIVREL_NATIVE_DIR:-$root/build/native}/tivrel-cpuid"
[ -x "$native_tool" ] && "$native_tool" >"$work/cpuid.txt"
bash "$root/tests/ui/kernel-tsc-mhz.sh" >"$work/kernel-mhz.txt" || rm -f "$work/kernel-mhz.txt"

tivrel_virtual_display || exit 1

cd "$work" || exit 1
timeout --kill-after=10 "${TIVREL_UI_TIMEOUT:-120}" wine tivrel-ui-driver.exe "$@" </dev/null &
driver=$!
if [ -n "${TIVREL_UI_SHOT:-}" ]; then
    ( sleep "${TIVREL_UI_SHOT_DELAY:-3}"; import -window root "$TIVREL_UI_SHOT" >/dev/null 2>&1 ) &
fi
wait "$driver"
status=$?
[ "$status" -eq 124 ] && echo "run-scenario: $1 timed out" >&2
exit "$status"
