#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer (clang) into
# its own folder and runs it; then the headless solver's tests, whose --jobs run on threads,
# with ThreadSanitizer in a folder of their own. The first report of any sanitizer fails the run.
# Usage: bash scripts/sanitize.sh [build folder, default build-sanitize; ThreadSanitizer's gets
# "-thread" after it]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-sanitize}"

bash scripts/install-deps.sh
source scripts/require_tools.sh
require_tools clang++:clang

flags="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
# The benchmarks are left out: they are not tests, and timing them under the sanitizers says
# nothing.
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DQUODRILL_BUILD_BENCHMARKS=OFF -DQUODRILL_STATIC_CXX_RUNTIME=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

# Leaks are reported too, except those made inside the system's own libraries that the window
# loads (see the suppressions file); a leak of the program's own objects still fails.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-system-libraries.supp:print_suppressions=0"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"

# ThreadSanitizer cannot share a build with AddressSanitizer. Only the headless solver starts
# threads, so only its tests are built, without the window.
thread_dir="${build_dir}-thread"
thread_flags="-O1 -g -fsanitize=thread -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B "$thread_dir" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$thread_flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
    -DQUODRILL_WITH_WINDOW=OFF -DQUODRILL_BUILD_BENCHMARKS=OFF \
    -DQUODRILL_STATIC_CXX_RUNTIME=OFF >/dev/null
cmake --build "$thread_dir" -j "$(nproc)" --target quodrill_headless_tests
export TSAN_OPTIONS="halt_on_error=1:abort_on_error=1:second_deadlock_stack=1"
ctest --test-dir "$thread_dir" --output-on-failure -j "$(nproc)" -R '^HeadlessSolver\.'
