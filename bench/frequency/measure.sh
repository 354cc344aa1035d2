# Run by tests/ui/run-scenario.sh for bench/frequency/run.sh: the Main page's first measurement.
drive < <(printf 'start\nwaitnot 1201 20000 Calculating...\nclose ok\n') >/dev/null
echo "exe_mhz=$(got "text 1201" | sed 's/ MHz$//')"
