#!/usr/bin/env bash
# `quodrill --solve --csv --count-solutions` as another program reads it: 20 puzzles of qqwing in
# its own nine-line drawing, and lines that are not puzzles, in; one record for each, read back
# with Python's csv module: each puzzle as qqwing wrote it, each solution a solution of it, each
# count of solutions what qqwing counts.
# Usage: solve_csv_test.sh <program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/require_tools.sh"
require_tools qqwing:qqwing python3:python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

qqwing --generate 20 --one-line >"$work/one-line.txt"
qqwing --solve --count-solutions --csv <"$work/one-line.txt" >"$work/counts.csv"
{
    qqwing --solve --puzzle --nosolution --readable <"$work/one-line.txt"
    echo '1,"2'                  # a quote and a comma in the reason
    printf '0%.0s' {1..81}       # no digit: many solutions
    printf '\n123456780%072d\n' 9 # no solution: the last cell of row 1 must be the 9 of row 2
} >"$work/input.txt"
status=0
"$program" --solve --csv --count-solutions "$work/input.txt" >"$work/records.csv" ||
    status=$?
[ "$status" -eq 1 ] || { echo "FAIL: status $status, not 1"; exit 1; }

python3 - "$work/one-line.txt" "$work/counts.csv" "$work/records.csv" <<'PY'
import csv, sys

puzzles = [line.strip() for line in open(sys.argv[1])]
counts = [min(int(row["Solution Count"]), 2) for row in csv.DictReader(open(sys.argv[2]))]
with open(sys.argv[3], newline="") as records_file:
    records = list(csv.DictReader(records_file))
failures = []
def check(holds, what):
    if not holds:
        failures.append(what)

def solves(solution, puzzle):
    if len(solution) != 81 or any(p not in "0" + s for p, s in zip(puzzle, solution)):
        return False
    units = [[9 * r + c for c in range(9)] for r in range(9)]
    units += [[9 * r + c for r in range(9)] for c in range(9)]
    units += [[9 * (3 * (b // 3) + k // 3) + 3 * (b % 3) + k % 3 for k in range(9)] for b in range(9)]
    return all(sorted(solution[i] for i in unit) == list("123456789") for unit in units)

check(len(records) == 23, f"{len(records)} records, not 23")
check(list(records[0].keys()) == ["input", "line", "puzzle", "solution", "outcome", "reason",
                                  "guesses", "restarts", "solutions"], f"columns {list(records[0])}")
for index, (record, puzzle, count) in enumerate(zip(records, puzzles, counts)):
    where = f"record {index + 1}"
    check(record["line"] == str(1 + 12 * index), f"{where}: line {record['line']}")
    check(record["puzzle"] == puzzle.replace(".", "0"), f"{where}: puzzle {record['puzzle']}")
    check(record["solutions"] == str(count), f"{where}: {record['solutions']} solutions, qqwing {count}")
    if record["outcome"] == "solved":
        check(solves(record["solution"], record["puzzle"]), f"{where}: {record['solution']}")
    else:
        check(record["solution"] == "" and record["outcome"] == "no single guess completes it",
              f"{where}: {record}")
refused, empty, none = records[20:]
check(refused["outcome"] == "refused" and refused["puzzle"] == "" and refused["guesses"] == ""
      and refused["reason"] == "not a puzzle ('\"' at column 3 is not a cell)", f"{refused}")
check(empty["solutions"] == "2" and empty["solution"] == "", f"{empty}")
check(none["solutions"] == "0" and none["solution"] == "", f"{none}")
for failure in failures:
    print("FAIL:", failure)
if not failures:
    print(f"{len(records)} records read back, {sum(r['outcome'] == 'solved' for r in records)} solved")
sys.exit(1 if failures else 0)
PY
