#!/usr/bin/env bash
# tivrel-cpuid's Debian package as Debian would ship it, made by the release preset in a folder of
# its own: lintian finds no error or warning in it, hardening-check passes on the program, which
# stays within 96 KB, and installed as scripts/install.sh installs it, the program runs and man
# finds its manual page. Usage: deb.sh BUILD
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$1"
cd "$root" || exit 1

if ! cmake --preset release -B "$build" >/dev/null || ! cmake --build "$build" --target package -j2 >/dev/null; then
    fail "the package" "built" "a failed build"
    finish package_deb
    exit
fi
deb="$build/tivrel-cpuid_$(sed -n 's/^#define TIVREL_VERSION_DOTTED "\(.*\)"$/\1/p' resources/version.h)_amd64.deb"
program="$build/tivrel-cpuid"

check_true "lintian: no error or warning" "a clean report" lintian --fail-on error,warning "$deb"
# Indirect-branch tracking and the shadow stack reach a program only when the C library's start
# files are marked for them as well (Debian 12's are not): required only then.
branch=()
readelf -n "$(c++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' || branch=(--nocfprotection)
check_true "hardening-check ${branch[*]}" "every feature found" hardening-check --quiet "${branch[@]}" "$program"
# 64 KB of program and its formats, and the tables of the processor database through 2026, the
# feature flags and the cache descriptors (about 24 KB, their pointers 8 bytes each).
check_true "the program within 96 KB ($(stat -c %s "$program") bytes)" "at most 98304 bytes" \
    test "$(stat -c %s "$program")" -le 98304

prefix="$build/installed"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_true "the installed program runs" "exit status 0" "$prefix/bin/tivrel-cpuid" --version
check "man finds the installed manual page" "$prefix/share/man/man1/tivrel-cpuid.1.gz" \
    "$(man -M "$prefix/share/man" -w tivrel-cpuid 2>&1)"
check "the manual page renders" "tivrel-cpuid - identify an x86 processor, the running one or one from a CPUID dump" \
    "$(MANWIDTH=200 man -M "$prefix/share/man" -P cat tivrel-cpuid 2>&1 | sed -n '/^NAME/{n;s/^ *//;p;q}')"
finish package_deb
