#!/usr/bin/env bash
# Checks the Debian package on fresh Debian 12 systems, copies of a minimal one made with
# debootstrap (once; later runs reuse it):
#  1. on one copy, scripts/package.sh --lint builds the package from a copy of the tracked files
#     with dpkg-buildpackage, after installing only its Build-Depends, with the tests passing,
#     then runs lintian and hardening-check;
#  2. on another copy, apt-get installs the .deb with what it depends on and nothing more (no
#     recommended packages), and the check lists the fonts that came with it; root solves the
#     installed example puzzles with `quodrill --solve` from root's PATH; the installed program
#     opens the installed example test1.txt on a virtual X server of this machine, solves it on
#     Start, and a picture of the window is saved, so that the Chinese captions can be seen to
#     render with the one font the package brought; then, with bash-completion installed as on
#     every standard system, a user's interactive bash completes quodrill.
# Each step prints one line; the last says that all held. Needs root and Debian's package mirror.
# Usage: bash scripts/package_fresh_check.sh
# Environment: QUODRILL_PACKAGE_BUILD (folder of the results, default build-package; the systems
#              are made under it, in fresh-bookworm/).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/fresh_debian.sh
fresh_require_root scripts/package_fresh_check.sh
source scripts/require_tools.sh
require_tools Xvfb:xvfb xdotool:xdotool import:imagemagick git:git

output=$(realpath -m "${QUODRILL_PACKAGE_BUILD:-build-package}")
fresh=$output/fresh-bookworm
base=$fresh/base
build_root=$fresh/build
install_root=$fresh/install
results=$output/fresh
version=$(sed -n '1s/^quodrill (\([^)]*\)).*/\1/p' debian/changelog)
mkdir -p "$results"

source scripts/xvfb_session.sh
source scripts/window_driver.sh
finish() {
    driver_stop
    fresh_stop "$install_root"
    fresh_stop "$build_root"
    fresh_unmount
    xvfb_stop
}
trap finish EXIT

# A copy of the minimal system, with this machine's proc and device files.
fresh_copy() {
    local root=$1
    fresh_remove "$root" || exit 1
    cp -a "$base" "$root"
    fresh_mount "$root"
}

fresh_base "$base"

# 1. Build, with the tests, and lint, on a system that has only the minimal base.
fresh_copy "$build_root"
mkdir -p "$build_root/root/quodrill"
tree=$(git stash create)
git archive "${tree:-HEAD}" | tar -x -C "$build_root/root/quodrill"
if ! fresh_in_root "$build_root" bash -c 'cd /root/quodrill && bash scripts/package.sh --lint' \
    >"$results/build.log" 2>&1; then
    tail -n 30 "$results/build.log"
    echo "1. The build on the fresh system failed; log: $results/build.log" >&2
    exit 1
fi
rm -f "$results"/*.deb
cp "$build_root/root/quodrill/build-package/"*.deb "$results/"
# What the build printed of its tests, lintian and hardening-check.
grep -E '^(/.*:$| [A-Z][A-Za-z -]+: )|^lintian|tests passed' "$results/build.log" | grep -v '^/usr/' || true
echo "1. Built with dpkg-buildpackage on a fresh system, lintian and hardening-check clean:" \
    "$(cd "$results" && echo *.deb)"
fresh_stop "$build_root"
fresh_unmount
fresh_remove "$build_root" || exit 1

# 2. Install on another fresh system, with only what the package depends on.
fresh_copy "$install_root"
deb=quodrill_${version}_$(dpkg --print-architecture).deb
cp "$results/$deb" "$install_root/tmp/"
in_root() { fresh_in_root "$install_root" "$@"; }
in_root apt-get update -q >"$results/install.log"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "/tmp/$deb" >>"$results/install.log"
cjk_fonts=$(in_root fc-list :lang=zh-tw family | sort -u | paste -sd ';')
echo "2. Installed $deb on a fresh system, with its dependencies only; Chinese fonts: $cjk_fonts"

# From root's PATH, without a display: the nine example puzzles, solved.
solved=$(in_root sh -c 'quodrill --solve --seed 7 /usr/share/doc/quodrill/examples/puzzles.txt' |
    grep -c '^[1-9]\{81\}$')
if [ "$solved" -ne 9 ]; then
    echo "3. quodrill --solve from root's PATH solved $solved of the 9 examples." >&2
    exit 1
fi
echo "3. $(in_root sh -c 'command -v quodrill') --solve, from root's PATH, solved the 9 examples."

# The window of the installed program, on a virtual X server of this machine, opening the
# installed example file; Start solves it.
xvfb_start 800x600
mkdir -p "$install_root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$install_root/tmp/.X11-unix" &&
    fresh_mounted+=("$install_root/tmp/.X11-unix")
in_root install -d -m 700 /tmp/runtime-quodrill
launcher=$results/launch-installed.sh
cat >"$launcher" <<EOF
#!/bin/sh
exec chroot "$install_root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \\
    XDG_RUNTIME_DIR=/tmp/runtime-quodrill QT_SCALE_FACTOR="\$QT_SCALE_FACTOR" \\
    quodrill /usr/share/doc/quodrill/examples/test1.txt
EOF
chmod +x "$launcher"
driver_start "$launcher" 2
driver_picture "$results/fresh-install-loaded.png"
driver_click 200 48
driver_wait_until_steady
driver_picture "$results/fresh-install-solved.png"
driver_stop
fresh_stop "$install_root"
echo "4. The installed window opened test1.txt and solved it on Start:" \
    "$results/fresh-install-solved.png"

# A user of a standard system, whose bash loads the completion of quodrill when asked for it.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    bash-completion >>"$results/install.log"
in_root useradd --create-home --shell /bin/bash player 2>/dev/null || true
completion=$(in_root su - player -c \
    "bash -ic '__load_completion quodrill; complete -p quodrill' 2>/dev/null")
if [ "$completion" != "complete -F _quodrill quodrill" ]; then
    echo "5. bash did not find the completion of quodrill: $completion" >&2
    exit 1
fi
echo "5. bash -ic finds the completion: $completion"
fresh_unmount
fresh_remove "$install_root" || exit 1
echo "All held: built, lint-clean, hardened, installed with its dependencies only, solved."
