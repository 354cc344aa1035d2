# Checks shared by the shell-level tests (sourced): each prints "ok WHAT" or
# "FAIL WHAT: expected X, got Y"; `finish NAME` ends the test with the number of failures.
export LC_ALL=C
failures=0

ok() { echo "ok $1"; }
fail() {
    echo "FAIL $1: expected $2, got $3"
    failures=$((failures + 1))
}
check() {  # WHAT EXPECTED GOT
    if [ "$2" == "$3" ]; then ok "$1: \"$3\""; else fail "$1" "\"$2\"" "\"$3\""; fi
}
check_true() {  # WHAT EXPECTED-DESCRIPTION COMMAND...
    local what=$1 expected=$2
    shift 2
    if "$@"; then ok "$what"; else fail "$what" "$expected" "not so"; fi
}
finish() {
    if [ "$failures" -eq 0 ]; then echo "$1: passed"; else echo "$1: $failures check(s) failed"; fi
    [ "$failures" -eq 0 ]
}
