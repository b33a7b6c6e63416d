#!/usr/bin/env bash
# Runs a command with its own virtual X server as the display, so that a test of the real window
# on the xcb platform needs no desktop and can run beside others. Leaves nothing running.
# Usage: on_virtual_screen.sh <command> [arguments...]
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/../../scripts/xvfb_session.sh"
trap xvfb_stop EXIT
xvfb_start 1024x768
"$@"
