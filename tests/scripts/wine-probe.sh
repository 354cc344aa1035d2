#!/usr/bin/env bash
# The 32-bit probe of scripts/wine-env.sh and what run-scenario.sh makes of it: only the kernel's
# refusal of a program (ENOEXEC) skips a scenario; any other failure still fails it.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$ROOT/tests/checks.sh"
. "$ROOT/scripts/wine-env.sh"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# An ELF header for a machine number no kernel executes: refused with ENOEXEC on every host, as an
# i386 program is where 32-bit emulation is off.
{ printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\377\377\001\000\000\000'
  head -c 64 /dev/zero; } >"$WORK/foreign"
printf '#!/bin/sh\nkill -SEGV $$\n' >"$WORK/crashes"
printf '#!/bin/sh\nexit 3\n' >"$WORK/fails"
chmod +x "$WORK/foreign" "$WORK/crashes" "$WORK/fails"
printf 'not executable\n' >"$WORK/plain"

# Sets verdict; run in this shell, so that TIVREL_I386_REFUSAL is the probe's own.
probe() {
    verdict="not refused"
    TIVREL_I386_PROBE="$1" tivrel_host_refuses_i386 && verdict=refused
}
probe "$WORK/foreign"
check "a program the kernel will not execute" "refused" "$verdict"
check_true "the refusal names its cause" "Exec format error in the reason" \
    grep -q "Exec format error" <<<"$TIVREL_I386_REFUSAL"
while read -r program what; do
    probe "$program"
    check "$what" "not refused" "$verdict"
    check "$what leaves no reason" "" "$TIVREL_I386_REFUSAL"
done <<EOF_CASES
/bin/true a program that runs
$WORK/fails a program that fails
$WORK/crashes a program that crashes
$WORK/missing a program that is not installed
$WORK/plain a file without execute permission
EOF_CASES

# run-scenario.sh: skipped (77) with the cause on a refusing host; on any other host a scenario
# that fails, or a prefix that cannot be made, fails the test.
printf 'fail "the scenario" "to pass" "a failure"\n' >"$WORK/failing.sh"
scenario() {
    TIVREL_I386_PROBE="$1" TIVREL_WINEPREFIX="$WORK/prefix" TIVREL_UI_TIMEOUT=60 \
        bash "$ROOT/tests/ui/run-scenario.sh" "$WORK/failing.sh" >"$WORK/out.txt" 2>&1
    echo $?
}
check "a scenario on a refusing host: status" "77" "$(scenario "$WORK/foreign")"
check_true "a skipped scenario says why" "the refusal in its output" \
    grep -q "^skipped: .*refuses to execute 32-bit x86 programs" "$WORK/out.txt"
status=$(scenario /bin/true)
check_true "a failing scenario on a host that is not refused: status $status" "neither 0 nor 77" \
    test "$status" -ne 0 -a "$status" -ne 77
finish wine-probe
