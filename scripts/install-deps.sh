#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quodrill need, when they
# are missing. Runs as root (or through sudo when it is there).
set -euo pipefail

packages=(
    # build
    build-essential cmake g++ pkg-config
    # the window
    qt6-base-dev libgl-dev fonts-noto-cjk
    # tests, and the screenshot script
    googletest libgtest-dev xvfb xauth xdotool imagemagick
    # the installed-files test: validators of the desktop entry and the metainfo, and librsvg to
    # draw the icon (ImageMagick alone cannot read SVG without its recommended packages)
    appstream desktop-file-utils librsvg2-bin
    # the installed-files test lints the manual page
    mandoc
    # a D-Bus session and accessibility bus for the accessibility test
    dbus-daemon dbus-bin at-spi2-core
    # benchmarks, sanitizers and fuzzing
    libbenchmark-dev clang libclang-rt-14-dev
    # scripts/bench.sh: whole-process timing, instruction counts, and the solver it compares with
    hyperfine valgrind qqwing
    # scripts/parallel_check.sh: the README's recipe that spreads quodrill --solve with GNU
    # parallel; python3 reads the CSV of quodrill --solve back in a test
    parallel python3
    # scripts/fresh_machine_check.sh and scripts/package_fresh_check.sh: a minimal Debian 12
    debootstrap
    # the Debian package (scripts/package.sh installs what it needs itself): dpkg-buildpackage
    # with debhelper, and the checks of --lint, lintian and hardening-check (devscripts)
    dpkg-dev debhelper lintian devscripts
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
