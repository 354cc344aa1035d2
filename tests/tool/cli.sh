#!/usr/bin/env bash
# tivrel-cpuid as a command-line tool: help, version, usage errors, standard input, the dump's
# round trip, quiet closed pipes, --measure, and bad dumps that must end in bounded time with a
# probe of what is there or a one-line error and status 2. Usage: tests/tool/cli.sh [TOOL]
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../checks.sh"
tool="${1:-$here/../../build/native/tivrel-cpuid}"
dumps="$here/../data/cpuid-dumps"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # ARGS...: status, stdout and stderr of one bounded run, into $work/{status,out,err}
    timeout 120 "$tool" "$@" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
}
status() { cat "$work/status"; }
lines() { wc -l <"$work/$1" | tr -d ' '; }

run --help
check "--help: usage on stdout, status 0, nothing on stderr" "0 Usage: tivrel-cpuid [OPTION]... [FILE] 0" \
    "$(status) $(head -1 "$work/out") $(lines err)"
run -h
check "-h as --help" "0" "$(status)"
run --version
check "--version: the executable's version" "0 tivrel-cpuid 1.04 (1.0.4.1)" "$(status) $(cat "$work/out")"
run --frobnicate
check "an unknown option: one line, the usage, status 2, nothing on stdout" \
    "2 tivrel-cpuid: unknown option --frobnicate|Usage: tivrel-cpuid [OPTION]... [FILE] 0" \
    "$(status) $(sed -n 1p "$work/err")|$(sed -n 2p "$work/err") $(lines out)"
run --measure 0
check "--measure 0 is a usage error" 2 "$(status)"

dump="$dumps/intel-pentium-4-cpu-2.80ghz.txt"
run --fields "$dump"
fields=$(cat "$work/out")
check "- reads the dump from standard input" "$fields" "$(timeout 20 "$tool" --fields - <"$dump")"
check "the summary names the processor" "Processor:             Intel(R) Pentium(R) 4 CPU 2.80GHz" \
    "$(timeout 20 "$tool" "$dump" | head -1)"
run --measure "$dump"
check "--measure on a dump is refused" "2 tivrel-cpuid: --measure needs the running processor, not a dump" \
    "$(status) $(cat "$work/err")"

# The running processor: its dump read back gives exactly the live fields.
timeout 20 "$tool" --dump >"$work/this.txt"
check "a saved dump gives the live fields" "$(timeout 20 "$tool" --fields)" "$(timeout 20 "$tool" --fields "$work/this.txt")"
check_true "the dump holds leaves 0, 1 and 80000000" "the three leaves" \
    test "$(grep -cE '^CPUID (00000000|00000001|80000000): ' "$work/this.txt")" = 3
check "a closed pipe ends quietly" "" "$(timeout 20 "$tool" --dump 2>&1 >/dev/null | head -1; timeout 20 "$tool" --help 2>&1 | true)"
if grep -qw tsc /proc/cpuinfo; then
    run --measure 1
    check_true "--measure 1 adds the clock" "Clock: N MHz" grep -qE '^Clock: +[0-9]+ MHz$' "$work/out"
fi

# Bad dumps: a probe of what is there, or one line on stderr and status 2.
mkdir "$work/directory"
: >"$work/empty"
head -c 100000 /dev/urandom >"$work/random"
head -c 100000000 /dev/zero | tr '\0' 'x' >"$work/large"
head -c 10000000 /dev/zero | tr '\0' 'C' >"$work/longline"
# Leaf 0 first says leaf 1 is the highest (no leaf 2 to read), then 4,999 times leaf 2.
awk 'BEGIN { for (i = 0; i < 5000; i++) printf "CPUID 00000000: %08X-756E6547-6C65746E-49656E69\n", i ? 2 : 1
             print "CPUID 00000002: 00000001-00000000-00000000-0000002C" }' >"$work/repeated"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "CPUID %08X: 00000001-00000000-00000000-00000000\n", i }' >"$work/million"
printf 'CPUID 00000000: FFFFFFFF-756E6547-6C65746E-49656E69\n' >"$work/highest"
while IFS='|' read -r name expected; do
    run --fields "$work/$name"
    if [ "$expected" = probe ]; then
        check "$name: probed" "0 0" "$(status) $(lines err)"
    else
        check "$name: one line, status 2" "2 1 tivrel-cpuid: $expected" "$(status) $(lines err) $(cat "$work/err")"
    fi
done <<ROWS
directory|cannot read CPUID dump $work/directory
empty|no CPUID line in $work/empty
longline|no CPUID line in $work/longline
large|CPUID dump larger than 64 MiB: $work/large
repeated|probe
million|probe
highest|probe
ROWS
run --fields /dev/zero
check "an endless stream: one line, status 2" "2 tivrel-cpuid: CPUID dump larger than 64 MiB: /dev/zero" "$(status) $(cat "$work/err")"
run --fields "$work/random"
check_true "random bytes: a probe or one line with status 2" "status 0, or status 2 and one line" \
    grep -qxE '0 0|2 1' <<<"$(status) $(lines err)"
run --fields "$work/repeated"
check "a repeated leaf: the first line holds (no leaf 2 read)" "l1Data: 0" "$(grep '^l1Data: ' "$work/out")"
finish cli
