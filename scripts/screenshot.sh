#!/usr/bin/env bash
# Starts the built program under a virtual X server, types "test1" into the first row and presses
# Start as a person would, waits until the solve has settled, and saves docs/screenshot.png.
# Usage: bash scripts/screenshot.sh [build folder] [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
output="${2:-docs/screenshot.png}"
scale=2  # twice the 96-dpi size, so the picture is legible
program="$build_dir/app/quodrill"

if [ ! -x "$program" ] || [ ! -x "$build_dir/app/quodrill-window" ]; then
    bash scripts/install-deps.sh
    bash scripts/build.sh "$build_dir"
fi

source scripts/require_tools.sh
require_tools Xvfb:xvfb xdotool:xdotool import:imagemagick

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime_dir"

Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$runtime_dir"
}
trap cleanup EXIT

for _ in $(seq 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

QT_SCALE_FACTOR="$scale" "$program" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quodrill$' | head -n 1)

# Positions in the window, in device-independent pixels times the scale: the middle of row box
# T(0) and of the Start button.
click() {
    xdotool mousemove --sync --window "$window" $(($1 * scale)) $(($2 * scale)) click 1
    sleep 0.3
}
click 36 9
xdotool type --delay 120 "test1"
click 200 48

# Solving has ended when the window stops changing.
previous=""
steady=0
for _ in $(seq 240); do
    sleep 0.5
    current=$(import -window "$window" png:- | md5sum)
    if [ "$current" = "$previous" ]; then
        steady=$((steady + 1))
        [ "$steady" -ge 4 ] && break
    else
        steady=0
    fi
    previous="$current"
done

# Rest the pointer on the first row box so that its hint shows, and take the window's part of
# the screen, hint included.
xdotool mousemove --sync --window "$window" $((20 * scale)) $((6 * scale))
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$output")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
echo "Saved $output"
