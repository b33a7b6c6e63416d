#!/usr/bin/env bash
# Makes the pictures of the user's guide in the README from the real program, on a virtual X
# server at twice the 96-dpi size: the window at start (docs/guide-start.png), a puzzle solved
# after random guesses (docs/guide-solved.png) and the input-format message
# (docs/guide-message.png).
# Usage: bash scripts/guide_screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
program="$build_dir/app/quodrill"
scale=2

if [ ! -x "$program" ] || [ ! -x "$build_dir/app/quodrill-window" ]; then
    bash scripts/install-deps.sh
    bash scripts/build.sh "$build_dir"
fi

source scripts/xvfb_session.sh
source scripts/window_driver.sh
trap 'driver_stop; xvfb_stop' EXIT
xvfb_start 800x600

# Places in the window, in device-independent pixels.
first_row=(36 9)
start_button=(200 48)

# The window as it opens.
driver_start "$program" "$scale"
driver_picture docs/guide-start.png
driver_stop

# An example that propagation alone does not finish (test9 takes some dozens of guesses and
# restarts): the count of guesses shows under the grid.
driver_start "$program" "$scale"
driver_click "${first_row[@]}"
driver_type test9
driver_click "${start_button[@]}"
driver_wait_until_steady
driver_picture docs/guide-solved.png
driver_stop

# A first row of five digits: Start answers with the input-format message.
driver_start "$program" "$scale"
driver_click "${first_row[@]}"
driver_type 12345
driver_click "${start_button[@]}"
message=$(timeout 20 xdotool search --sync --onlyvisible --name '^錯誤格式!$' | head -n 1)
sleep 0.5
driver_picture docs/guide-message.png "$message"
driver_stop

echo "Saved docs/guide-start.png, docs/guide-solved.png and docs/guide-message.png"
