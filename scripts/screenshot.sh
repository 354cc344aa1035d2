# Run by tests/ui/run-scenario.sh for scripts/run.sh: the sheet as it first shows, saved as
# screenshot.png in $TIVREL_SHOTS.
drive < <(printf 'start\nsleep 1000\nshot screenshot\nclose ok\n') >/dev/null
