#!/usr/bin/env bash
# Prints the time-stamp-counter frequency the Linux kernel reports, in MHz with decimals:
# the kernel log's "tsc: Detected" line, or "cpu MHz" where the TSC frequency is known.
# Prints nothing and fails when neither is available.
set -uo pipefail
line=$(dmesg 2>/dev/null | grep -m1 -o 'tsc: Detected [0-9.]* MHz')
if [ -z "$line" ]; then
    line=$(journalctl -k 2>/dev/null | grep -m1 -o 'tsc: Detected [0-9.]* MHz')
fi
if [ -n "$line" ]; then
    echo "$line" | awk '{ print $3 }'
    exit 0
fi
if grep -m1 '^flags' /proc/cpuinfo | grep -qw tsc_known_freq; then
    grep -m1 '^cpu MHz' /proc/cpuinfo | awk -F: '{ gsub(/ /, "", $2); print $2 }'
    exit 0
fi
exit 1
