#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each one for a fixed time, one after the other, from the seed corpus in fuzz/corpus/.
# New inputs collect in fuzz/corpus-work/ (not committed); a fault stops the run with the input
# that caused it. Usage: bash scripts/fuzz.sh [seconds per target, default 60] [target...]
# Targets: file_load rows actions (all by default).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(file_load rows actions)
fi
build_dir="${QUODRILL_FUZZ_BUILD:-build-fuzz}"

bash scripts/install-deps.sh
source scripts/require_tools.sh
require_tools clang++:clang
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUODRILL_WITH_WINDOW=OFF -DQUODRILL_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

declare -A max_len=([file_load]=256 [rows]=512 [actions]=1024)
for target in "${targets[@]}"; do
    work="fuzz/corpus-work/$target"
    artifacts="$build_dir/fuzz/artifacts/$target"
    log="$build_dir/fuzz/$target.log"
    mkdir -p "$work" "$artifacts"
    echo "== fuzz_$target for ${seconds}s"
    status=0
    "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -max_len="${max_len[$target]:-1024}" -dict=fuzz/quodrill.dict -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
        "$log" || true
    if [ "$status" -ne 0 ]; then
        grep -E '\*\*\* fault|ERROR|SUMMARY' "$log" || true
        tail -n 40 "$log"
        echo "fuzz_$target failed; the input is in $artifacts/. Replay it with:"
        echo "  $build_dir/fuzz/fuzz_$target $artifacts/<file>"
        exit 1
    fi
done
