#!/usr/bin/env bash
# The README's recipe for spreading `quodrill --solve` with GNU parallel, run on this machine: the
# output of `parallel --pipe -k ... quodrill --solve --seed 1` must equal one process's byte for
# byte (standard output; exit statuses and the reasons on standard error are per block). Runs it
# over the local cores, over "hosts" with -S (through GNU parallel's remote path, with a stand-in
# for ssh that runs each host's command here), and on nine-line puzzles cut at blank lines.
# PUZZLES puzzles that qqwing generates (10000 by default), with a few lines that are not
# puzzles and puzzles no single guess completes among them, and the same puzzles drawn over nine
# lines; blocks of 8 KiB, so that even a small run is cut into many.
# Usage: bash scripts/parallel_check.sh [PUZZLES [PROGRAM]]  (PROGRAM: build/app/quodrill)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-10000}
program=$(realpath "${2:-build/app/quodrill}")
source scripts/require_tools.sh
require_tools parallel:parallel qqwing:qqwing
# GNU parallel runs a host's commands through $SHELL: where that is unset (env -i, a fresh
# chroot), the blocks sent with -S come back empty without a word.
export SHELL="${SHELL:-/bin/sh}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One-line puzzles, and among them a short line, a blank line, a drawing line, one with a stray
# character, an empty grid and one without a solution.
qqwing --generate "$count" --one-line >"$work/generated.txt"
awk 'NR % 997 == 1 { print substr($0, 2); print ""; print "---+---+---"; print "x" $0 }
     NR % 1999 == 1 { print "000000000000000000000000000000000000000000000000000000000000000000000000000000000" }
     NR % 2999 == 1 { print "123456780000000009000000000000000000000000000000000000000000000000000000000000000" }
     { print }' "$work/generated.txt" >"$work/one-line.txt"
# qqwing's own drawing: nine lines a puzzle, a blank line after each.
qqwing --solve --puzzle --nosolution --readable <"$work/generated.txt" >"$work/nine-lines.txt"

# Stands in for ssh: notes the host, drops the options, and runs the command here.
cat >"$work/ssh" <<SSH
#!/bin/sh
while [ "\$#" -gt 0 ] && [ "\$1" != "--" ]; do last=\$1; shift; done
echo "\$last" >>"$work/hosts.txt"
shift
exec sh -c "\$*"
SSH
chmod +x "$work/ssh"

failures=0
check() { # <name> <input> <parallel options...>: the recipe against one process
    local name=$1 input=$2
    shift 2
    "$program" --solve --seed 1 --jobs 1 <"$input" >"$work/one.txt" 2>/dev/null || true
    parallel --will-cite --pipe -k --block 8k "$@" \
        "$program" --solve --seed 1 --jobs 1 <"$input" >"$work/spread.txt" 2>/dev/null || true
    local blocks
    blocks=$(parallel --will-cite --pipe -k --block 8k "$@" wc -l <"$input" | wc -l)
    if cmp -s "$work/one.txt" "$work/spread.txt"; then
        echo "same: $name, $(wc -l <"$work/one.txt") grids, $blocks blocks"
    else
        echo "DIFFERENT: $name: $(cmp "$work/one.txt" "$work/spread.txt" 2>&1)"
        failures=$((failures + 1))
    fi
}
check "one-line puzzles over the local cores" "$work/one-line.txt"
check "one-line puzzles over two hosts and this machine" "$work/one-line.txt" \
    --ssh "$work/ssh" -S 1/alpha,1/beta,:
[ "$(sort -u "$work/hosts.txt" | tr '\n' ' ')" = "alpha beta " ] ||
    { echo "DIFFERENT: the hosts given with -S were not all used"; failures=$((failures + 1)); }
check "nine-line puzzles over the local cores" "$work/nine-lines.txt" --recend '\n\n'
exit $((failures > 0))
