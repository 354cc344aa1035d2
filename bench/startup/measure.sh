# Run by tests/ui/run-scenario.sh for bench/startup/run.sh: BENCH_RUNS starts of each program.
# shellcheck source=../median.sh
. "$ROOT/bench/median.sh"
runs="${BENCH_RUNS:-7}"
median_ms() {  # EXE CAPTION
    drive < <(for _ in $(seq "$runs"); do printf 'start %s %s\nclose cancel\n' "$1" "$2"; done) >/dev/null
    got_all start | sed 's/ ms$//' | median
}
tivrel=$(median_ms Tivrel.exe "Tivrel 1.04 (DB v8)")
minimal=$(median_ms MinimalSheet.exe "Minimal Sheet")
echo "Tivrel.exe        start-up: $tivrel ms (median of $runs)"
echo "MinimalSheet.exe  start-up: $minimal ms (median of $runs)"
awk -v t="$tivrel" -v m="$minimal" 'BEGIN { printf "ratio Tivrel / minimal: %.2f\n", t / m }'
