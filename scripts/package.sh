#!/usr/bin/env bash
# Builds the Debian package of Quodrill: an optimised build without the tests into build-package/
# (the project's usual RelWithDebInfo; CPack strips the programs), with the program in /usr/games
# as Debian keeps games and the window program that it starts in /usr/libexec/quodrill, then
# `cpack -G DEB`, which declares the Qt libraries the window program links (found by
# dpkg-shlibdeps) and a CJK font as dependencies. Prints the path of the .deb.
#
# Usage: bash scripts/package.sh [--check]
#   --check  also installs the package on this machine with apt-get (as root), starts the
#            installed program on a virtual X server until its window shows, then removes the
#            package again (and nothing else: the dependencies it pulled in stay).
# Environment: QUODRILL_PACKAGE_BUILD (build folder, default build-package),
#              QUODRILL_PACKAGE_MAINTAINER ("Name <address>" for the Maintainer field).
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "${1:-}" in
    --check) check=true ;;
    "") ;;
    *)
        echo "usage: bash scripts/package.sh [--check]" >&2
        exit 2
        ;;
esac

build_dir="${QUODRILL_PACKAGE_BUILD:-build-package}"
bash scripts/install-deps.sh

options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
    -DQUODRILL_BUILD_TESTS=OFF)
if [ -n "${QUODRILL_PACKAGE_MAINTAINER:-}" ]; then
    options+=("-DQUODRILL_PACKAGE_MAINTAINER=$QUODRILL_PACKAGE_MAINTAINER")
fi
cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
rm -f "$build_dir"/quodrill_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(realpath "$build_dir"/quodrill_*.deb)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Section Maintainer Depends

# What the package must hold and declare, whatever else changes.
depends=$(dpkg-deb --field "$deb" Depends)
contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
problems=()
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
    grep -qw "$needed" <<<"$depends" || problems+=("does not depend on $needed")
done
for file in ./usr/games/quodrill ./usr/libexec/quodrill/quodrill-window \
    ./usr/share/applications/org.quodrill.Quodrill.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.quodrill.Quodrill.svg \
    ./usr/share/metainfo/org.quodrill.Quodrill.metainfo.xml ./usr/share/doc/quodrill/copyright; do
    grep -qxF "$file" <<<"$contents" || problems+=("lacks $file")
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || problems+=("is not in the section games")
if [ ${#problems[@]} -ne 0 ]; then
    printf 'The package %s\n' "${problems[@]}" >&2
    exit 1
fi

if ! $check; then
    exit 0
fi

# Install as a user would, start the installed program, then take the package away again.
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q "$deb"

source scripts/xvfb_session.sh
app_pid=""
finish() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    xvfb_stop
    $sudo apt-get remove -y -q quodrill >/dev/null
}
trap finish EXIT
xvfb_start 800x600
program=$(dpkg -L quodrill | grep -E '/(bin|games)/quodrill$')
"$program" &
app_pid=$!
if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quodrill$' | head -n 1) ||
    [ -z "$window" ]; then
    echo "The installed program showed no window." >&2
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "The installed $program shows its window ($WIDTH x $HEIGHT); removing the package."
