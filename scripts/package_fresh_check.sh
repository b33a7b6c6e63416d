#!/usr/bin/env bash
# Checks the Debian package on a fresh Debian 12 system: makes a minimal one with debootstrap in
# a folder (once; later runs reuse it), installs the .deb there with apt-get and only what the
# package declares (no recommended packages), starts the installed program on a virtual X server
# of this machine and saves a picture of its window, so that the Chinese captions can be seen to
# render with the font the package brought. Needs root and Debian's package mirror.
# Usage: bash scripts/package_fresh_check.sh [path of the .deb; default: build it]
# Environment: QUODRILL_FRESH_ROOT (the folder, default build-package/fresh-bookworm),
#              QUODRILL_PACKAGE_BUILD (as for scripts/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/fresh_debian.sh
fresh_require_root scripts/package_fresh_check.sh

deb="${1:-}"
if [ -z "$deb" ]; then
    bash scripts/package.sh
    deb=$(realpath "${QUODRILL_PACKAGE_BUILD:-build-package}"/quodrill_*.deb)
fi
deb=$(realpath "$deb")
root=$(realpath -m "${QUODRILL_FRESH_ROOT:-${QUODRILL_PACKAGE_BUILD:-build-package}/fresh-bookworm}")
picture="$(dirname "$deb")/fresh-install.png"

source scripts/require_tools.sh
require_tools Xvfb:xvfb xdotool:xdotool import:imagemagick

fresh_base "$root"

source scripts/xvfb_session.sh
app_pid=""
finish() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    fresh_unmount
    xvfb_stop
}
trap finish EXIT

xvfb_start 800x600
# The fresh system sees the proc and device files, and the X server's socket, of this machine.
fresh_mount "$root"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && fresh_mounted+=("$root/tmp/.X11-unix")

in_root() { fresh_in_root "$root" "$@"; }

# A fresh system: remove an earlier install first.
in_root dpkg --purge quodrill >/dev/null 2>&1 || true
cp "$deb" "$root/tmp/"
in_root apt-get update -q
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "/tmp/$(basename "$deb")"
program=$(in_root dpkg -L quodrill | grep -E '/(bin|games)/quodrill$')
echo "Installed $program on the fresh system."

in_root install -d -m 700 /tmp/runtime-quodrill
chroot "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR=/tmp/runtime-quodrill QT_SCALE_FACTOR=2 "$program" &
app_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quodrill$' | head -n 1) || true
if [ -z "$window" ]; then
    echo "The program installed on the fresh system showed no window." >&2
    exit 1
fi
# Rest the pointer on the first row box, so that its Chinese hint shows in the picture too.
xdotool mousemove --sync --window "$window" 40 12 click 1
sleep 0.5
xdotool mousemove --sync --window "$window" 44 14
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$picture"
echo "Its window shows; picture saved as $picture."
