#!/usr/bin/env bash
# Checks the window at the scale factors of common screens (QT_SCALE_FACTOR 1, 1.5 and 2) on a
# virtual X server: runs the scaling test on that screen at each factor (no caption clipped, no
# text running into another control), then starts the program itself, solves "test1" as a
# person would, checks that the window is 254 x 178 device-independent pixels times the factor,
# and saves a picture of it as docs/scale-<factor>.png, for a person to look at.
# Usage: bash scripts/scaling_check.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
program="$build_dir/app/quodrill"
scaling_test="$build_dir/tests/desktop/quodrill_scaling_tests"

if [ ! -x "$program" ] || [ ! -x "$build_dir/app/quodrill-window" ] || [ ! -x "$scaling_test" ]; then
    bash scripts/install-deps.sh
    bash scripts/build.sh "$build_dir"
fi

source scripts/xvfb_session.sh
source scripts/window_driver.sh
trap 'driver_stop; xvfb_stop' EXIT
xvfb_start 800x600

failed=0
for scale in 1 1.5 2; do
    echo "== QT_SCALE_FACTOR=$scale"
    if ! QT_SCALE_FACTOR="$scale" "$scaling_test" -silent; then
        failed=1
    fi

    driver_start "$program" "$scale"
    driver_click 36 9  # the first row box
    driver_type test1
    driver_click 200 48  # Start
    driver_wait_until_steady
    read -r _ _ width height <<<"$(driver_geometry "$driver_window")"
    expected_width=$(awk -v s="$scale" 'BEGIN { printf "%d", 254 * s + 0.5 }')
    expected_height=$(awk -v s="$scale" 'BEGIN { printf "%d", 178 * s + 0.5 }')
    if [ "$width" -ne "$expected_width" ] || [ "$height" -ne "$expected_height" ]; then
        echo "The window is ${width}x${height}, not ${expected_width}x${expected_height}."
        failed=1
    fi
    driver_picture "docs/scale-$scale.png"
    echo "Saved docs/scale-$scale.png (${width}x${height})"
    driver_stop
done
exit "$failed"
