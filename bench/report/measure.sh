# Run by tests/ui/run-scenario.sh for bench/report/run.sh: RUNS reports of Tivrel.exe, each timed
# from pressing Save to the program taking messages again (the report written and closed).
drive < <(
    echo start
    for i in $(seq "${BENCH_RUNS:-5}"); do
        printf 'tab 11\npost 1037\ndialog Tivrel 1.04 (DB v8)\nsettext 1148 bench%s.htm\npost 1\ngone 10000\nready\n' "$i"
    done
    echo "close ok"
) >/dev/null
echo "times_ms=$(got_all ready | sed 's/ ms$//' | paste -sd' ')"
echo "size_bytes=$(stat -c %s "$WORK/bench1.htm")"
