#!/usr/bin/env bash
# Runs a command where a screen reader would find the program: on its own virtual X server (Qt's
# accessibility bridge needs a real platform) inside a private D-Bus session whose accessibility
# bus is switched on, so that Qt reports accessibility events. Leaves nothing running.
# Usage: with_accessibility_bus.sh <command> [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/require_tools.sh"
require_tools dbus-run-session:dbus-bin dbus-send:dbus-bin dbus-daemon:dbus-daemon \
    /usr/libexec/at-spi-bus-launcher:at-spi2-core

if [ -z "${QUODRILL_ACCESSIBILITY_BUS:-}" ]; then
    # The accessibility bus keeps its socket under XDG_RUNTIME_DIR: a private one per run.
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    status=0
    # dbus-daemon may say that it cannot raise its file limit; that is harmless.
    XDG_RUNTIME_DIR="$runtime" QUODRILL_ACCESSIBILITY_BUS=1 \
        dbus-run-session -- bash "$0" "$@" 2> >(grep -v -E "Failed to set fd limit|ctivat(ing|ed) service" >&2) || status=$?
    rm -rf "$runtime"
    exit "$status"
fi

source "$here/../../scripts/xvfb_session.sh"
trap xvfb_stop EXIT
xvfb_start 800x600
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
"$@"
