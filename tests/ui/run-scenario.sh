#!/usr/bin/env bash
# Runs one end-to-end scenario, tests/ui/scenarios/NAME.sh (or a script given by its path, as the
# benchmarks do), in a fresh folder holding copies of
# Tivrel.exe, ReadMe.htm and the UI driver, so that no settings file survives a scenario; under
# Wine on a virtual display, or on $DISPLAY when TIVREL_USE_DISPLAY is set. The scenario drives
# the program with `drive` and checks what the driver printed (tests/ui/lib.sh).
#
# TIVREL_WIN32_DIR / TIVREL_NATIVE_DIR: the builds (default build/win32 and build/native).
# TIVREL_UI_TIMEOUT: seconds before one driver run is stopped (default 120).
# TIVREL_SHOTS: a folder for the screenshots the scenario asks for.
#
# Exit status: the scenario's (0 when every check passed); 77 when this host cannot start Wine at
# all (scripts/wine-env.sh: tivrel_host_refuses_i386), which the test run reports as skipped.
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
WIN32_DIR="${TIVREL_WIN32_DIR:-$ROOT/build/win32}"
NATIVE_DIR="${TIVREL_NATIVE_DIR:-$ROOT/build/native}"
SCENARIO="${1:-}"
SCRIPT="$ROOT/tests/ui/scenarios/$SCENARIO.sh"
[ -f "$SCENARIO" ] && SCRIPT="$(cd "$(dirname "$SCENARIO")" && pwd)/$(basename "$SCENARIO")"
if [ -z "$SCENARIO" ] || [ ! -f "$SCRIPT" ]; then
    echo "usage: $0 SCENARIO|SCRIPT.sh   (scenarios: $(cd "$ROOT/tests/ui/scenarios" && ls | sed 's/\.sh$//' | tr '\n' ' '))" >&2
    exit 2
fi

# A prefix of its own, so that a Tivrel.exe the user runs meanwhile (same mutex, same
# wineserver) neither disturbs a scenario nor is ended by its clean-up.
export TIVREL_WINEPREFIX="${TIVREL_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tivrel-wine32-ui}"
# shellcheck source=../../scripts/wine-env.sh
. "$ROOT/scripts/wine-env.sh"
if tivrel_host_refuses_i386; then
    echo "skipped: $TIVREL_I386_REFUSAL" >&2
    exit 77
fi

for exe in Tivrel.exe tivrel-ui-driver.exe; do
    [ -f "$WIN32_DIR/$exe" ] || { echo "run-scenario: $WIN32_DIR/$exe is missing; build the win32 preset first" >&2; exit 1; }
done
tivrel_wine_prefix || exit 1

# One scenario at a time per prefix: they share the wineserver that the clean-up ends.
exec 8>"$WINEPREFIX.run.lock"
flock -w 900 8 || { echo "run-scenario: prefix busy" >&2; exit 1; }

WORK="$(mktemp -d "${TMPDIR:-/tmp}/tivrel-ui.XXXXXX")"
cleanup() {
    wine reg delete 'HKCU\Software\Wine\AppDefaults\Tivrel.exe' /f >/dev/null 2>&1
    tivrel_wine_cleanup
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for file in Tivrel.exe tivrel-ui-driver.exe ReadMe.htm MinimalSheet.exe; do
    [ -f "$WIN32_DIR/$file" ] && cp "$WIN32_DIR/$file" "$WORK/"
done

tivrel_virtual_display || exit 1
cd "$WORK" || exit 1
# shellcheck source=lib.sh
. "$ROOT/tests/ui/lib.sh"
# shellcheck source=/dev/null
. "$SCRIPT"
finish "$SCENARIO"
