#!/usr/bin/env bash
# `quodrill --solve` beside `qqwing --solve` on the same puzzle files, both as whole processes:
# the nine examples, and PUZZLES puzzles that qqwing generates at each of its four difficulties
# (300 by default). Prints, for each file, how many puzzles each solver solved, how many of the
# solutions agree, and the time per puzzle (the mean of several runs by hyperfine, divided by the
# number of puzzles): the figures of docs/PERFORMANCE.md. Takes two to three minutes on two cores.
# Usage: bash scripts/peers.sh [PUZZLES]; BUILD_DIR picks the build folder (build/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-300}
build_dir=${BUILD_DIR:-build}
source scripts/require_tools.sh
require_tools qqwing:qqwing hyperfine:hyperfine
bash scripts/build.sh "$build_dir" >/dev/null
quodrill=$PWD/$build_dir/app/quodrill
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== machine"
echo "nproc: $(nproc); $(grep -m1 'model name' /proc/cpuinfo)"
echo "$(uname -srm); $(g++ --version | head -1); $(qqwing --version | head -1)"

cp examples/puzzles.txt "$work/examples.txt"
for difficulty in simple easy intermediate expert; do
    qqwing --generate "$count" --difficulty "$difficulty" --one-line >"$work/$difficulty.txt"
done

# Mean seconds of a shell command over $2 runs after one warm-up run; a non-zero exit status (a
# puzzle not solved) is no failure. hyperfine's advice on short commands is left out.
mean_seconds() {
    hyperfine --style none --ignore-failure --warmup 1 --runs "$2" --export-csv "$work/time.csv" \
        "$1" >/dev/null 2>&1
    sed -n '2p' "$work/time.csv" | cut -d, -f2
}
per_puzzle_ms() {
    awk -v s="$1" -v n="$2" 'BEGIN { printf "%.3f", s * 1000 / n }'
}

echo
echo "== solved, and time per puzzle (whole processes; quodrill with --seed 1)"
printf '%-14s %7s | %14s %12s | %14s %12s | %6s\n' file puzzles "quodrill solved" "ms/puzzle" \
    "qqwing solved" "ms/puzzle" agree
for name in examples simple easy intermediate expert; do
    file=$work/$name.txt
    puzzles=$(grep -c . "$file")
    runs=20
    [ "$name" = examples ] || runs=3
    "$quodrill" --solve --seed 1 "$file" >"$work/quodrill.out" 2>/dev/null || true
    qqwing --solve --one-line <"$file" >"$work/qqwing.out"
    quodrill_solved=$(grep -cxE '[1-9]{81}' "$work/quodrill.out" || true)
    qqwing_solved=$(grep -cxE '[1-9]{81}' "$work/qqwing.out" || true)
    agree=$(comm -12 <(sort "$work/quodrill.out") <(sort "$work/qqwing.out") | grep -cxE '[1-9]{81}' || true)
    quodrill_s=$(mean_seconds "$quodrill --solve --seed 1 < $file" "$runs")
    qqwing_s=$(mean_seconds "qqwing --solve --one-line < $file" "$runs")
    printf '%-14s %7d | %14d %12s | %14d %12s | %6d\n' "$name" "$puzzles" "$quodrill_solved" \
        "$(per_puzzle_ms "$quodrill_s" "$puzzles")" "$qqwing_solved" \
        "$(per_puzzle_ms "$qqwing_s" "$puzzles")" "$agree"
done

echo
echo "== inside quodrill: its own totals (--stats), and the puzzles it gave up"
for name in examples simple easy intermediate expert; do
    "$quodrill" --solve --seed 1 --stats "$work/$name.txt" >"$work/stats.out" 2>/dev/null || true
    echo "$name: $(grep '^total: ' "$work/stats.out")"
    awk -v name="$name" '
        / line [0-9]+: solved, / { solved++; ms = $(NF - 1); solved_ms += ms }
        / line [0-9]+: no solution within / { given++; ms = $(NF - 1); given_ms += ms }
        END {
            if (solved) printf "  solved: %d, mean %.3f ms each\n", solved, solved_ms / solved
            if (given) printf "  given up at the guess limit: %d, mean %.1f ms each\n", given, given_ms / given
        }' "$work/stats.out"
done
