#!/usr/bin/env bash
# The program's command line, started without a display. As a solver: the examples' solutions the
# same way twice with one seed, a reason and status 1 for a bad line, status 2 for a wrong
# option, a failed write (on one thread or several) or an unreadable input, and the version.
# For the window: the usage and status 2 for an unknown option (why a window cannot open, its
# program says itself: window_start_test.cpp). None of it loads a library of the window toolkit.
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
[ "$errors" = "quodrill: standard input line 1: not a puzzle (80 cells, not 81)" ] ||
    fail "a line of 80 cells said: $errors"

for solve in --solve ""; do
    "$program" $solve --seed seven <"$puzzles" >/dev/null 2>&1
    status=$?
    [ "$status" -eq 2 ] || fail "$solve --seed seven gave status $status"
done

# A failed write or an input that cannot be read: the reason on standard error and status 2.
said=$(mktemp)
many=$(mktemp)
trap 'rm -f "$said" "$many"' EXIT
refused() { # <case> <expected standard error> <arguments...>, with the redirections of the call
    local case=$1 expected=$2
    shift 2
    "$program" "$@" 2>"$said"
    local status=$?
    [ "$status" -eq 2 ] && [ "$(cat "$said")" = "$expected" ] ||
        fail "$case gave status $status and said: $(cat "$said")" >&2
}
full="quodrill: write error: No space left on device"
refused "--solve >/dev/full" "$full" --solve <"$puzzles" >/dev/full
refused "--solve --jobs 3 >/dev/full" "$full" --solve --jobs 3 <"$puzzles" >/dev/full
refused "--solve >&-" "quodrill: write error: Bad file descriptor" --solve <"$puzzles" >&-
refused "--help >/dev/full" "$full" --help >/dev/full
refused "--version >/dev/full" "$full" --version >/dev/full
refused "--solve <&-" "quodrill: cannot read standard input: Bad file descriptor" --solve <&-
refused "--solve <folder" "quodrill: cannot read standard input: Is a directory" \
    --solve <"$(dirname "$puzzles")"
# With SIGPIPE ignored, the first write after the reader has gone ends the run, on one thread
# or several.
yes "$(head -n 1 "$puzzles")" | head -n 3000 >"$many"
for jobs in 1 3; do
    (trap '' PIPE; "$program" --solve --jobs $jobs "$many" 2>"$said" | head -n 1 >/dev/null; exit "${PIPESTATUS[0]}")
    status=$?
    [ "$status" -eq 2 ] && [ "$(cat "$said")" = "quodrill: write error: Broken pipe" ] ||
        fail "a reader that went away from $jobs jobs gave status $status and said: $(cat "$said")"
done

[ "$("$program" --version | head -n 1)" = "quodrill $version" ] &&
    "$program" --version | grep -q '^License MIT' || fail "--version said: $("$program" --version)"
"$program" --help | grep -q -- '--max-guesses N' || fail "--help does not tell --max-guesses"
"$program" --help | awk 'length($0) > 79 { exit 1 }' || fail "--help is wider than 79 columns"
"$program" --help | tail -n 1 | grep -q 'man quodrill' || fail "--help does not end at the manual"

# getopt_long's conventions: short forms, abbreviations, and the options of --solve alone.
[ "$("$program" -h)" = "$("$program" --help)" ] && [ "$("$program" --he)" = "$("$program" --help)" ] &&
    [ "$("$program" -V)" = "$("$program" --vers)" ] || fail "-h, --he, -V or --vers"
[ "$("$program" --sol -s7 -j2 --cs <"$puzzles")" = "$("$program" --solve --seed 7 --jobs 2 --csv <"$puzzles")" ] ||
    fail "--sol -s7 -j2 --cs is not --solve --seed 7 --jobs 2 --csv"
[ "$("$program" --jobs 2 test1.txt 2>&1 | head -n 1)" = "quodrill: --jobs works only with --solve" ] ||
    fail "--jobs without --solve said: $("$program" --jobs 2 test1.txt 2>&1)"
[ "$("$program" --s 2>&1 | head -n 1)" = "quodrill: ambiguous option --s (--solve, --seed, --stats)" ] ||
    fail "--s said: $("$program" --s 2>&1)"

message=$("$program" --foo 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] && [ "$(head -n 2 <<<"$message")" = "quodrill: unknown option --foo
Usage: quodrill [-s N] [FILE...]" ] || fail "--foo gave status $status and said: $message"

# The solver, the usage, the version and a wrong option load no Qt, X or GL library.
toolkit='(^|[/ =])lib(Qt6|X|xcb|GL)[^/ ]*\.so'
for arguments in "--solve --seed 7" --help --version --foo; do
    loaded=$(LD_DEBUG=libs "$program" $arguments <"$puzzles" 2>&1 >/dev/null)
    grep -q 'init: .*/libc\.so' <<<"$loaded" || fail "LD_DEBUG shows no library for $arguments"
    ! grep -E "$toolkit" <<<"$loaded" || fail "$program $arguments loads a toolkit library"
done
! ldd "$program" | grep -E "$toolkit" || fail "$program needs a toolkit library"

[ "$failures" -eq 0 ] && echo "quodrill's command line works without a display"
exit $((failures > 0))
