#!/usr/bin/env bash
# Proves the README's two commands and the continuous integration on a fresh Debian 12 machine.
# In a fresh copy of a minimal system made with debootstrap (made once, then reused), as root,
# with no display, no standard input and nothing else installed, it runs on a clean `git archive`
# of HEAD the run command `bash scripts/run.sh` (it must install, build and end with the
# program's no-display message and exit status 1) and the test command `bash scripts/test.sh`
# (every test must pass), then, on another clean `git archive` of HEAD, the whole `.ci/run` with
# CI=true, as the CI does. Its last line gives each step's verdict; its exit status is 0 only
# when all three held. Needs root and Debian's package mirror; took 20 minutes on two quiet cores
# (12 of them for .ci/run).
# Environment: QUODRILL_FRESH_BASE (the reused minimal system, default build-fresh/base),
#              QUODRILL_FRESH_WORK (the copy the check runs in, default build-fresh/work),
#              QUODRILL_FRESH_KEEP=1 keeps that copy afterwards (unmounted).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fresh_debian.sh
fresh_require_root scripts/fresh_machine_check.sh

base=$(realpath -m "${QUODRILL_FRESH_BASE:-build-fresh/base}")
work=$(realpath -m "${QUODRILL_FRESH_WORK:-build-fresh/work}")
logs=$(realpath -m build-fresh)
started=$(date +%s)

minutes_since() {
    echo $((($(date +%s) - $1 + 30) / 60))
}

finish() {
    local status=$?
    if [ -z "${verdict_given:-}" ]; then
        echo "fresh machine check: FAILED: it stopped before every step had run (exit $status)"
    fi
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
mkdir -p "$logs" "$(dirname "$work")"
cp -a "$base" "$work"
mkdir -p "$work/root/quodrill" "$work/root/quodrill-ci"
git archive HEAD | tar -x -C "$work/root/quodrill"
git archive HEAD | tar -x -C "$work/root/quodrill-ci"
fresh_mount "$work"
echo "A fresh Debian 12 in $work, with $(git rev-parse --short HEAD) in /root/quodrill and" \
    "/root/quodrill-ci."

# in_fresh FOLDER COMMAND MINUTES LOG [NAME=VALUE...]: runs COMMAND in FOLDER of the fresh
# system, with the environment given and no standard input, under a time limit, into LOG; sets
# step_status.
in_fresh() {
    local folder=$1 command=$2 minutes=$3 log=$4
    shift 4
    step_status=0
    fresh_in_root "$work" "$@" timeout "$((minutes * 60))" bash -c "cd $folder && $command" \
        </dev/null >"$log" 2>&1 || step_status=$?
    # Nothing a step started may go on into the next one.
    fresh_stop "$work"
}

# Says in a few words how a step that failed ended.
how_it_ended() {
    case $1 in
    124) echo "timed out" ;;
    *) echo "exit $1" ;;
    esac
}

# The names of the tests that failed in a log, on one line.
failed_tests() {
    sed -n '/The following tests FAILED/,/^Errors while running/p' "$1" |
        sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+).*/\1/p' | sort -u | tr '\n' ' ' | sed 's/ $//'
}

failed=0
verdicts=()

# 1. The run command, as the README gives it: with no display it must end at once with the
# program's message, not a build error or a hang.
run_log="$logs/fresh-run.log"
in_fresh /root/quodrill 'bash scripts/run.sh' 15 "$run_log"
echo "run command: exit status $step_status; it ended:"
tail -n 4 "$run_log"
if [ "$step_status" -eq 1 ] && grep -q 'quodrill: cannot open the window: ' "$run_log"; then
    verdicts+=("run command: no-display message (exit 1)")
else
    failed=1
    verdicts+=("run command: FAILED, no no-display message ($(how_it_ended "$step_status"), log: $run_log)")
fi

# 2. The test command, as the README gives it.
test_log="$logs/fresh-test.log"
in_fresh /root/quodrill 'bash scripts/test.sh' 30 "$test_log"
summary=$(grep -E '^[0-9]+% tests passed' "$test_log" | tail -n 1 || true)
echo "test command: exit status $step_status; ${summary:-no ctest summary}"
total=$(sed -nE 's/.* out of ([0-9]+)$/\1/p' <<<"$summary")
if [ "$step_status" -eq 0 ] && [ -n "$total" ]; then
    verdicts+=("test command: $total passed")
else
    failed=1
    grep -A 40 'The following tests FAILED' "$test_log" || tail -n 40 "$test_log"
    failing=$(failed_tests "$test_log")
    verdicts+=("test command: FAILED (${summary:-$(how_it_ended "$step_status")}${failing:+: $failing}; log: $test_log)")
fi

# 3. The whole continuous integration, on a clean checkout, as the CI runs it.
ci_log="$logs/fresh-ci.log"
ci_started=$(date +%s)
# Traced, so that the log shows which of its steps was running when it failed.
in_fresh /root/quodrill-ci 'bash -x .ci/run' 60 "$ci_log" CI=true
ci_minutes=$(minutes_since "$ci_started")
echo ".ci/run: exit status $step_status after $(($(date +%s) - ci_started)) s"
if [ "$step_status" -eq 0 ]; then
    verdicts+=(".ci/run: passed ($ci_minutes min)")
else
    failed=1
    tail -n 40 "$ci_log"
    failing=$(failed_tests "$ci_log")
    stage=$(sed -nE 's/^\+ bash (scripts\/[a-z_]+\.sh).*/\1/p' "$ci_log" | tail -n 1)
    fuzz_failure=$(grep -oE '^fuzz_[a-z_]+ failed' "$ci_log" | head -n 1 || true)
    verdicts+=(".ci/run: FAILED in ${stage:-its set-up} ($(how_it_ended "$step_status") after $ci_minutes min${failing:+: $failing}${fuzz_failure:+: $fuzz_failure}; log: $ci_log)")
fi

line=$(printf '%s; ' "${verdicts[@]}")
line="${line%; }; $(minutes_since "$started") min in all"
verdict_given=1
if [ "$failed" -eq 0 ]; then
    echo "fresh machine check: passed: $line"
else
    echo "fresh machine check: FAILED: $line"
fi
exit "$failed"
