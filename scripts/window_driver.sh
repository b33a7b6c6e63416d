# Sourced by the scripts that drive the real window as a person would, on the virtual X server of
# scripts/xvfb_session.sh, and take pictures of it.
# driver_start PROGRAM SCALE: starts the program at that QT_SCALE_FACTOR and waits for its window.
# driver_click X Y: clicks at a point of the window, given in device-independent pixels.
# driver_type TEXT: types into the control that has the focus.
# driver_wait_until_steady: returns once the window has stopped changing (solving has ended).
# driver_picture OUTPUT [WINDOW...]: saves the part of the screen that the window (and the other
# windows given, such as a message box) covers.
# driver_stop: ends the program. Call it from the caller's EXIT trap, before xvfb_stop.

source "$(dirname "${BASH_SOURCE[0]}")/require_tools.sh"
require_tools xdotool:xdotool import:imagemagick

driver_pid=""
driver_window=""
driver_scale=1

driver_start() {
    driver_scale="$2"
    QT_SCALE_FACTOR="$driver_scale" "$1" &
    driver_pid=$!
    driver_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quodrill$' |
        head -n 1) || true
    if [ -z "$driver_window" ]; then
        echo "The program showed no window." >&2
        return 1
    fi
    # Park the pointer in a corner away from the window, so that no hover hint shows.
    xdotool mousemove 799 599
}

driver_click() {
    local x y
    x=$(awk -v v="$1" -v s="$driver_scale" 'BEGIN { printf "%d", v * s }')
    y=$(awk -v v="$2" -v s="$driver_scale" 'BEGIN { printf "%d", v * s }')
    xdotool mousemove --sync --window "$driver_window" "$x" "$y" click 1
    sleep 0.3
}

driver_type() {
    xdotool type --delay 80 "$1"
    sleep 0.3
}

driver_wait_until_steady() {
    local previous="" current steady=0
    for _ in $(seq 240); do
        sleep 0.5
        current=$(import -window "$driver_window" png:- | md5sum)
        if [ "$current" = "$previous" ]; then
            steady=$((steady + 1))
            [ "$steady" -ge 4 ] && return 0
        else
            steady=0
        fi
        previous="$current"
    done
    echo "The window kept changing." >&2
    return 1
}

# Prints "X Y WIDTH HEIGHT" of a window on the screen.
driver_geometry() {
    (
        eval "$(xdotool getwindowgeometry --shell "$1")"
        echo "$X $Y $WIDTH $HEIGHT"
    )
}

driver_picture() {
    local output="$1"
    shift
    local left=100000 top=100000 right=0 bottom=0 window x y w h
    for window in "$driver_window" "$@"; do
        read -r x y w h <<<"$(driver_geometry "$window")"
        ((x < left)) && left=$x
        ((y < top)) && top=$y
        ((x + w > right)) && right=$((x + w))
        ((y + h > bottom)) && bottom=$((y + h))
    done
    mkdir -p "$(dirname "$output")"
    import -window root -crop "$((right - left))x$((bottom - top))+${left}+${top}" +repage \
        "$output"
}

driver_stop() {
    if [ -n "$driver_pid" ]; then
        kill "$driver_pid" 2>/dev/null || true
        wait "$driver_pid" 2>/dev/null || true
        driver_pid=""
    fi
}
