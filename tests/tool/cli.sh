#!/usr/bin/env bash
# tivrel-cpuid as a command-line tool: help, version, usage errors, standard input, the dump's
# round trip, the other dump formats against their twins, JSON against the fields, the manual
# page, quiet closed pipes, --measure, and bad dumps that must end in bounded time with a probe
# of what is there or a one-line error and status 2. Usage: tests/tool/cli.sh [TOOL]
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
    run --json --measure 1
    check_true "--json --measure 1 ends with the clock" "measuredMhz: N" grep -qE '^  "measuredMhz": [0-9]+$' "$work/out"
fi

# Every dump of another format identifies the processor exactly as its plain twin does; this
# machine read by the peers as the live fields (when the packages cpuid and cpuidtool are there).
# The library's save format holds no sub-leaf 1 of leaf 7: that word and the flags aside there.
without_sub_leaf() { grep -v '^leaf7Sub1Eax: \|^flags: '; }
for other in "$dumps"/*.annotated.txt "$dumps"/*.cpuid-r.txt "$dumps"/*.raw-save.txt; do
    twin="${other%.*.txt}.txt"
    keep=cat
    [[ $other == *.raw-save.txt ]] && keep=without_sub_leaf
    check "${other##*/} as ${twin##*/}" "$(timeout 20 "$tool" --fields "$twin" | $keep)" \
        "$(timeout 20 "$tool" --fields "$other" | $keep)"
done
live=$(timeout 20 "$tool" --fields)
if command -v cpuid >/dev/null; then check "cpuid -r of this machine" "$live" "$(cpuid -r | timeout 20 "$tool" --fields -)"; fi
if command -v cpuid_tool >/dev/null && cpuid_tool --save="$work/save.txt" --quiet; then
    check "cpuid_tool --save of this machine" "$(without_sub_leaf <<<"$live")" \
        "$(timeout 20 "$tool" --fields "$work/save.txt" | without_sub_leaf)"
fi
while IFS='|' read -r name expected; do
    check "$name: family and model" "$expected" "$(timeout 20 "$tool" "$dumps/$name.txt" | grep -a '^Family/model')"
done <<ROWS
amd-epyc-milan-vm|Family/model/stepping: 15 / 1 / 1 (family 25, model 1; signature 00A00F11)
amd-athlon-64-processor-3200+|Family/model/stepping: 15 / 15 / 0 (family 15, model 47; signature 00020FF0)
intel-xeon-000a0671-vm|Family/model/stepping: 6 / 7 / 1 (family 6, model 167; signature 000A0671)
intel-pentium-4-cpu-2.80ghz|Family/model/stepping: 15 / 2 / 9 (signature 00000F29)
ROWS

# --json, strictly parsed, holds every field line's name and value, in the same order; also for
# a brand string of a quote, a backslash, a tab, byte 01, the euro sign (80h) and the micro sign.
printf 'CPUID %s\n' '00000000: 00000001-756E6547-6C65746E-49656E69' '00000001: 00000F29-00000000-00000000-00000000' \
    '80000000: 80000004-00000000-00000000-00000000' '80000002: 01095C22-4241B580-00000000-00000000' >"$work/brand.txt"
if command -v python3 >/dev/null; then
    for dump in "$dumps"/*.txt "$work/brand.txt" ""; do
        timeout 20 "$tool" --fields $dump >"$work/fields"
        timeout 20 "$tool" --json $dump >"$work/json"
        check "--json ${dump##*/} carries the fields" "" "$(python3 - "$work/fields" "$work/json" <<'PY' 2>&1
import json, sys
def strict(pairs):
    assert len(pairs) == len(dict(pairs)), "a name twice"
    return dict(pairs)
def refuse(constant): raise ValueError(constant)
got = json.loads(open(sys.argv[2], "rb").read().decode("utf-8"), object_pairs_hook=strict, parse_constant=refuse)
lines = []
for name, value in got.items():
    if name.endswith("Hex"):
        assert got[name[:-3]] == int(value, 16), name
        lines[-1] = "%s: %s" % (name[:-3], value)
    elif name.endswith("Grid"):
        assert all(len(row) == 5 for row in value), name
        lines += ["%s[%d]: %s" % (name, i, " | ".join(row)) for i, row in enumerate(value)]
    elif name == "flags":
        assert all(isinstance(v, str) for v in value), name
        lines.append("%s: %s" % (name, " ".join(value)))
    elif isinstance(value, list):
        lines += ["%s: %d" % (name, v) for v in value]
    else:
        lines.append("%s: %s" % (name, value))
fields = open(sys.argv[1], "rb").read().decode("cp1252").splitlines()
assert fields == lines, [(a, b) for a, b in zip(fields, lines) if a != b][:1] or (len(fields), len(lines))
PY
)"
    done
fi

# The manual page renders without warnings and names every option --help names.
page="$here/../../src/tools/tivrel-cpuid.1"
if command -v groff >/dev/null; then
    check "the manual page renders without warnings" "" "$(groff -man -ww -Tutf8 "$page" 2>&1 >/dev/null)"
    for option in $(timeout 20 "$tool" --help | grep -oE '^ +(-h, +)?-[-a-z]+' | grep -oE -- '-[-a-z]+'); do
        check_true "the manual page names $option" "$option in the page" grep -qF -- "${option//-/\\-}" "$page"
    done
fi

# Bad dumps: a probe of what is there, or one line on stderr and status 2.
mkdir "$work/directory"
: >"$work/empty"
head -c 100000000 /dev/zero | tr '\0' 'x' >"$work/large"
head -c 10000000 /dev/zero | tr '\0' 'C' >"$work/longline"
# Leaf 0 first says leaf 1 is the highest (no leaf 2 to read), then 4,999 times leaf 2.
awk 'BEGIN { for (i = 0; i < 5000; i++) printf "CPUID 00000000: %08X-756E6547-6C65746E-49656E69\n", i ? 2 : 1
             print "CPUID 00000002: 00000001-00000000-00000000-0000002C" }' >"$work/repeated"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "CPUID %08X: 00000001-00000000-00000000-00000000\n", i }' >"$work/million"
printf 'CPUID 00000000: FFFFFFFF-756E6547-6C65746E-49656E69\n' >"$work/highest"
# The peers' formats cut short, padded past 128 bytes, in turn line by line, or each line short
# of its last word.
xeon="$dumps/intel-xeon-000a0671-vm"
head -c 150 "$xeon.cpuid-r.txt" >"$work/truncated"
sed 's/$/ ................................................................/' "$xeon.cpuid-r.txt" >"$work/overlong"
paste -d '\n' "$xeon.raw-save.txt" "$xeon.cpuid-r.txt" >"$work/interleaved"
sed 's/ [0-9a-f]*$//' "$xeon.raw-save.txt" >"$work/malformed"
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
truncated|probe
overlong|no CPUID line in $work/overlong
interleaved|CPUID dump mixes formats: $work/interleaved
malformed|no CPUID line in $work/malformed
ROWS
run --fields /dev/zero
check "an endless stream: one line, status 2" "2 tivrel-cpuid: CPUID dump larger than 64 MiB: /dev/zero" "$(status) $(cat "$work/err")"
run --fields "$work/repeated"
check "a repeated leaf: the first line holds (no leaf 2 read)" "l1Data: 0" "$(grep '^l1Data: ' "$work/out")"
finish cli
