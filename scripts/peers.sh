#!/usr/bin/env bash
# `quodrill --solve` beside `qqwing --solve` on the same puzzle files, both as whole processes:
# the nine examples, and PUZZLES puzzles that qqwing generates at each of its four difficulties
# (300 by default). Prints, for each file, how many puzzles each solver solved, how many of the
# solutions agree, and the time per puzzle (the mean of several runs by hyperfine, divided by the
# number of puzzles), then the processor time (user and system) of each beside the other for every
# difficulty, for one puzzle alone and for 10,000 puzzles of any difficulty (quodrill with
# --jobs 1), with their ratio: the figures of docs/PERFORMANCE.md.
# Takes five to six minutes on two cores, a minute and a half of it qqwing generating the 10,000;
# TEN_THOUSAND=FILE takes them from FILE instead (one puzzle a line).
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
if [ -n "${TEN_THOUSAND:-}" ]; then
    cp "$TEN_THOUSAND" "$work/any.txt"
else
    qqwing --generate 10000 --one-line >"$work/any.txt"
fi

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

# Mean processor time (user and system, in ms) of a shell command over $2 runs after one warm-up
# run, as hyperfine measures it, the shell's own included.
shell_cpu_ms() {
    hyperfine --style none --ignore-failure --warmup 1 --runs "$2" --export-json "$work/time.json" \
        "$1" >/dev/null 2>&1
    local user system
    user=$(sed -n 's/^ *"user": \([0-9.e+-]*\),*$/\1/p' "$work/time.json" | head -n 1)
    system=$(sed -n 's/^ *"system": \([0-9.e+-]*\),*$/\1/p' "$work/time.json" | head -n 1)
    awk -v u="$user" -v s="$system" 'BEGIN { printf "%.3f", (u + s) * 1000 }'
}
# The same with the processor time of the shell that starts it taken off (measured on ':').
cpu_ms() {
    local whole shell
    whole=$(shell_cpu_ms "$1" "$2")
    shell=$(shell_cpu_ms ": < /dev/null" "$2")
    awk -v w="$whole" -v s="$shell" 'BEGIN { d = w - s; printf "%.2f", (d > 0.001 ? d : 0.001) }'
}

echo
echo "== processor time (user + system) of whole processes, quodrill --solve --seed 1 beside qqwing"
echo "   (the mean of hyperfine's runs, less that of the shell that starts them; any: --jobs 1)"
head -n 1 "$work/intermediate.txt" >"$work/one.txt"
printf '%-14s %7s | %14s %14s | %15s
' file puzzles "quodrill ms" "qqwing ms" "quodrill/qqwing"
for name in simple easy intermediate expert one any; do
    file=$work/$name.txt
    runs=10
    jobs=
    [ "$name" = one ] && runs=100
    [ "$name" = any ] && runs=3 && jobs="--jobs 1"
    quodrill_ms=$(cpu_ms "$quodrill --solve --seed 1 $jobs < $file" "$runs")
    qqwing_ms=$(cpu_ms "qqwing --solve --one-line < $file" "$runs")
    printf '%-14s %7d | %14s %14s | %15s\n' "$name" "$(grep -c . "$file")" "$quodrill_ms" \
        "$qqwing_ms" "$(awk -v a="$quodrill_ms" -v b="$qqwing_ms" 'BEGIN { printf "%.2f", a / b }')"
done

echo
echo "== inside quodrill: its own totals (--stats), and the puzzles it did not finish"
for name in examples simple easy intermediate expert; do
    "$quodrill" --solve --seed 1 --stats "$work/$name.txt" >"$work/stats.out" 2>/dev/null || true
    echo "$name: $(grep '^total: ' "$work/stats.out")"
    awk -v name="$name" '
        / line [0-9]+: solved, / {
            solved++
            if (match($0, /[0-9.]+ ms/)) solved_ms += substr($0, RSTART, RLENGTH - 3)
        }
        / line [0-9]+: no single guess completes it, / { stopped++ }
        / line [0-9]+: gave up after / { given++ }
        END {
            if (solved) printf "  solved: %d, mean %.3f ms each\n", solved, solved_ms / solved
            if (stopped) printf "  stopped, no single guess completes it: %d\n", stopped
            if (given) printf "  given up at the guess limit: %d\n", given
        }' "$work/stats.out"
done
