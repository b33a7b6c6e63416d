#!/usr/bin/env bash
# Proves the README's two commands on a fresh Debian 12 machine: in a fresh copy of a minimal
# system made with debootstrap (made once, then reused), with a clean `git archive` of HEAD, as
# root, with no display and nothing else installed, runs the test command `bash scripts/test.sh`
# and the run command `bash scripts/run.sh`. The test command must pass every test; the run
# command must build and end with the program's no-display message and exit status 1. Prints the
# ctest summary and ends with one line that says whether the check passed and, if not, why.
# Needs root and Debian's package mirror; takes a few minutes on two cores.
# Environment: QUODRILL_FRESH_BASE (the reused minimal system, default build-fresh/base),
#              QUODRILL_FRESH_WORK (the copy the check runs in, default build-fresh/work),
#              QUODRILL_FRESH_KEEP=1 keeps that copy afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fresh_debian.sh
fresh_require_root scripts/fresh_machine_check.sh

base=$(realpath -m "${QUODRILL_FRESH_BASE:-build-fresh/base}")
work=$(realpath -m "${QUODRILL_FRESH_WORK:-build-fresh/work}")
logs=$(realpath -m build-fresh)
started=$(date +%s)

verdict() {
    local minutes=$((($(date +%s) - started + 30) / 60))
    echo "fresh machine check: $* (${minutes} min)"
}

finish() {
    fresh_stop "$work"
    fresh_unmount
    if [ "${QUODRILL_FRESH_KEEP:-0}" != 1 ]; then
        fresh_remove "$work" || echo "The fresh system is left in $work." >&2
    fi
}
trap finish EXIT
trap 'exit 130' INT TERM HUP

fresh_base "$base"
fresh_remove "$work"
cp -a "$base" "$work"
mkdir -p "$work/root/quodrill"
git archive HEAD | tar -x -C "$work/root/quodrill"
fresh_mount "$work"
echo "A fresh Debian 12 in $work, with $(git rev-parse --short HEAD) in /root/quodrill."

# The test command, as the README gives it.
test_log="$logs/fresh-test.log"
test_status=0
fresh_in_root "$work" bash -c 'cd /root/quodrill && bash scripts/test.sh' >"$test_log" 2>&1 ||
    test_status=$?
summary=$(grep -E '^[0-9]+% tests passed' "$test_log" | tail -n 1 || true)
echo "test command: exit status $test_status; ${summary:-no ctest summary}"
if [ "$test_status" -ne 0 ]; then
    grep -A 40 'The following tests FAILED' "$test_log" || tail -n 40 "$test_log"
    verdict "FAILED: the test command exited with $test_status (log: $test_log)"
    exit 1
fi

# The run command, as the README gives it: with no display it must end at once with the
# program's message, not a build error or a hang.
run_log="$logs/fresh-run.log"
run_status=0
fresh_in_root "$work" timeout 900 bash -c 'cd /root/quodrill && bash scripts/run.sh' \
    >"$run_log" 2>&1 || run_status=$?
echo "run command: exit status $run_status; it said:"
tail -n 4 "$run_log"
if [ "$run_status" -ne 1 ] || ! grep -q 'no display to show the window on' "$run_log"; then
    verdict "FAILED: the run command did not end with the no-display message (exit status $run_status, log: $run_log)"
    exit 1
fi

verdict "passed: ${summary}; the run command ended with the no-display message (exit status 1)"
