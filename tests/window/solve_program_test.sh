#!/usr/bin/env bash
# The program as a command-line solver, started without a display: the examples' solutions the
# same way twice with one seed, a reason and status 1 for a bad line, status 2 for a wrong
# option, and the version.
# Usage: solve_program_test.sh <program> <puzzle file of the nine examples> <version>
set -uo pipefail
program=$1
puzzles=$2
version=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

first=$("$program" --solve --seed 7 <"$puzzles")
status=$?
[ "$status" -eq 0 ] || fail "--solve --seed 7 on the examples exited with $status"
[ "$(grep -cxE '[1-9]{81}' <<<"$first")" -eq 9 ] || fail "not nine solved grids: $first"
second=$("$program" --solve --seed 7 "$puzzles")
[ "$first" = "$second" ] || fail "the same seed printed other grids the second time"

errors=$( (head -n 1 "$puzzles" | cut -c 2-; tail -n 1 "$puzzles") | "$program" --solve 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || fail "a line of 80 cells gave status $status"
[ "$errors" = "quodrill: standard input line 1: not 81 cells (found 80)" ] ||
    fail "a line of 80 cells said: $errors"

"$program" --solve --seed seven <"$puzzles" >/dev/null 2>&1
status=$?
[ "$status" -eq 2 ] || fail "--seed seven gave status $status"

[ "$("$program" --version)" = "quodrill $version" ] || fail "--version said: $("$program" --version)"
"$program" --help | grep -q -- '--max-guesses N' || fail "--help does not tell --max-guesses"

[ "$failures" -eq 0 ] && echo "quodrill --solve works without a display"
exit $((failures > 0))
