#!/usr/bin/env bash
# Builds everything and runs every benchmark, printing the figures of docs/PERFORMANCE.md:
# the fast engine beside the reference engine (one pass, whole solves, in time and in
# instructions), quodrill --solve and the reference engine beside qqwing (in instructions per
# puzzle on the fixed 1,000 qqwing puzzles of bench/puzzles1000.txt, and in time), and the real
# window under Qt's offscreen platform. Takes about six minutes; QUICK=1 shortens the long solve.
# BUILD_DIR picks the build folder (build/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
bash scripts/install-deps.sh
source scripts/require_tools.sh
require_tools valgrind:valgrind hyperfine:hyperfine qqwing:qqwing
bash scripts/build.sh "$build_dir" >/dev/null

bench=$build_dir/bench
quodrill=$build_dir/app/quodrill
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
quick=${QUICK:-0}
long_seconds=60
[ "$quick" = 1 ] && long_seconds=10

# The nine examples, one line of 81 characters each.
"$bench/quodrill_reference_solve" --print-examples >"$work/examples.txt"
for _ in $(seq 100); do cat "$work/examples.txt"; done >"$work/examples-x100.txt"

# Instructions counted by callgrind inside the functions matching $1.
instructions() {
    local pattern=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$pattern" "$@" \
        2>&1 >/dev/null | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

# Instructions counted by callgrind in the whole process of a command; its exit status (a puzzle
# not solved) is no failure.
process_instructions() {
    { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null || true; } |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

echo "== machine"
echo "nproc: $(nproc); $(grep -m1 'model name' /proc/cpuinfo)"
echo "$(uname -srm); $(g++ --version | head -1)"

echo
echo "== one pass, the two engines side by side state by state"
"$bench/quodrill_pass_ratio"

echo
echo "== one pass and whole solves, Google Benchmark (median of 5 repetitions)"
"$bench/quodrill_engine_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false

echo
echo "== instructions (callgrind): one pass on every state the examples pass through"
passes=$("$bench/quodrill_pass_ratio" --only fast | cut -d' ' -f1)
fast=$(instructions 'quodrill::bench::fastSinglePass*' "$bench/quodrill_pass_ratio" --only fast)
reference=$(instructions 'quodrill::bench::referencePass*' "$bench/quodrill_pass_ratio" --only reference)
echo "passes: $passes; reference: $((reference / passes)) per pass; fast: $((fast / passes)) per pass;" \
    "ratio $((reference / fast))x"

echo
echo "== instructions (callgrind): the nine examples solved, without timer waits"
fast=$(instructions 'quodrill::solvePuzzle*' "$quodrill" --solve --seed 1 <"$work/examples.txt")
reference=$(instructions 'quodrill::solvePuzzle*' "$bench/quodrill_reference_solve" --seed 1 \
    <"$work/examples.txt")
echo "reference: $reference; fast: $fast; ratio $((reference / fast))x"

echo
echo "== instructions (callgrind) per puzzle, whole processes: the fixed 1,000 qqwing puzzles"
echo "   of bench/puzzles1000.txt, quodrill --solve --seed 1 --jobs 1 beside qqwing --solve"
quodrill_total=$(process_instructions "$quodrill" --solve --seed 1 --jobs 1 <bench/puzzles1000.txt)
qqwing_total=$(process_instructions qqwing --solve --one-line <bench/puzzles1000.txt)
puzzles=$(grep -c . bench/puzzles1000.txt)
echo "quodrill: $((quodrill_total / puzzles)) per puzzle ($quodrill_total in all);" \
    "qqwing: $((qqwing_total / puzzles)) per puzzle ($qqwing_total in all)"

echo
echo "== end to end beside qqwing --solve (whole processes)"
hyperfine --warmup 3 --runs 40 --style basic \
    "$quodrill --solve --seed 1 < $work/examples.txt" \
    "qqwing --solve --one-line < $work/examples.txt" \
    "$bench/quodrill_reference_solve --seed 1 < $work/examples.txt"
hyperfine --warmup 1 --runs 10 --style basic \
    "$quodrill --solve --seed 1 < $work/examples-x100.txt" \
    "qqwing --solve --one-line < $work/examples-x100.txt"
echo "inside the processes, the nine examples:"
"$quodrill" --solve --seed 1 --stats <"$work/examples.txt" | tail -n 1
qqwing --solve --one-line --timer <"$work/examples.txt" | grep -i 'seconds\|Time:' | tail -1

echo
echo "== the real window, offscreen: Start to \"Status : Complete\" against the tick floor"
export QT_QPA_PLATFORM=offscreen
"$bench/quodrill_window_timing" --bare-chain 2>/dev/null
"$bench/quodrill_window_timing" --runs 5 2>/dev/null

echo
echo "== the real window, offscreen: Start to \"Status : Stopped (no single guess completes it)\""
"$bench/quodrill_window_timing" --unfinishable 2>/dev/null

echo
echo "== quodrill --solve with and without the reuse of known runs, 300 qqwing puzzles a difficulty"
for difficulty in simple easy intermediate expert; do
    qqwing --generate 300 --difficulty "$difficulty" --one-line --nosolution 2>/dev/null |
        grep -E '^[0-9.]{81}$' >"$work/$difficulty.txt"
done
"$bench/quodrill_reuse_timing" "$work"/{simple,easy,intermediate,expert}.txt

echo
echo "== start-up to the first painted window"
hyperfine --warmup 3 --runs 30 --style basic "$bench/quodrill_window_timing --first-show"
if command -v Xvfb >/dev/null; then
    Xvfb :87 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=:87 QT_QPA_PLATFORM=xcb hyperfine --warmup 3 --runs 30 --style basic \
        "$bench/quodrill_window_timing --first-show"
    kill "$xvfb"
fi

echo
echo "== memory of a long solve (a puzzle that guesses seldom finish, ${long_seconds} s of cycles)"
"$bench/quodrill_window_timing" --long "$long_seconds" 2>/dev/null
