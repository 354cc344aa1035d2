# Run by tests/ui/run-scenario.sh for bench/cachetest/run.sh: one cache test of Tivrel.exe.
drive < <(printf 'start\ntab 11\nclick 1045\nwait 1045 20000 Cache Test\ntext 1040\nclose ok\n') >/dev/null
echo "exe_result=$(got 'text 1040')"
