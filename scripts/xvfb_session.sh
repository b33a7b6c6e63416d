# Sourced by the scripts and tests that show the real window on a virtual X server.
# xvfb_start [WIDTHxHEIGHT]: starts Xvfb on a display that it picks itself (so that several can
# run at once), exports DISPLAY and a private XDG_RUNTIME_DIR, and returns when the server
# accepts clients. xvfb_stop: stops it and removes what xvfb_start made. Call xvfb_stop from the
# caller's EXIT trap.

source "$(dirname "${BASH_SOURCE[0]}")/require_tools.sh"
require_tools Xvfb:xvfb

xvfb_pid=""
xvfb_dir=""

xvfb_start() {
    local size="${1:-800x600}"
    xvfb_dir=$(mktemp -d)
    # Xvfb writes the number of the display it took to fd 3 once it is ready for clients.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$xvfb_dir/display" \
        >"$xvfb_dir/log" 2>&1 &
    xvfb_pid=$!
    local tries
    for tries in $(seq 200); do
        if [ -s "$xvfb_dir/display" ]; then
            DISPLAY=":$(head -n 1 "$xvfb_dir/display")"
            export DISPLAY
            mkdir -p "$xvfb_dir/runtime"
            chmod 700 "$xvfb_dir/runtime"
            export XDG_RUNTIME_DIR="$xvfb_dir/runtime"
            unset WAYLAND_DISPLAY QT_QPA_PLATFORM
            return 0
        fi
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            break
        fi
        sleep 0.05
    done
    echo "Xvfb did not start (after $tries tries):" >&2
    cat "$xvfb_dir/log" >&2
    return 1
}

xvfb_stop() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
    if [ -n "$xvfb_dir" ]; then
        rm -rf "$xvfb_dir"
        xvfb_dir=""
    fi
}
