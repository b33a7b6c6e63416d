#!/usr/bin/env bash
# Builds the Debian package of Quodrill from debian/ with dpkg-buildpackage: a copy of the tracked
# files (with their uncommitted changes) goes to build-package/quodrill-VERSION/, the packages its
# Build-Depends name are installed with `apt-get build-dep` when missing (and nothing else), and
# `dpkg-buildpackage -us -uc` builds the source package, the binary package with its tests, and
# its -dbgsym package, all into build-package/. Prints the path of the .deb.
#
# Usage: bash scripts/package.sh [--lint] [--twice] [--check]
#   --lint   also runs lintian --pedantic --info on the source and binary packages, which must
#            give no tag, and hardening-check on both programs, which must say "yes" to every
#            check but control flow integrity (installs lintian and devscripts).
#   --twice  builds a second time from the same files in another folder, and fails unless both
#            give byte-identical .deb files.
#   --check  also installs the package on this machine with apt-get (as root), starts the
#            installed program on a virtual X server until its window shows, then removes the
#            package again (and nothing else: the dependencies it pulled in stay).
# Environment: QUODRILL_PACKAGE_BUILD (output folder, default build-package); DEB_BUILD_OPTIONS
#              as for dpkg-buildpackage (nocheck skips the tests and their Build-Depends).
set -euo pipefail
cd "$(dirname "$0")/.."

lint=false
twice=false
check=false
for argument in "$@"; do
    case "$argument" in
        --lint) lint=true ;;
        --twice) twice=true ;;
        --check) check=true ;;
        *)
            echo "usage: bash scripts/package.sh [--lint] [--twice] [--check]" >&2
            exit 2
            ;;
    esac
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
apt_install() {
    $sudo apt-get install -y -q --no-install-recommends "$@"
}

# No compiler cache: with a base folder set, ccache hands the compiler relative paths, which the
# debug information then records, and the programs' build ids follow it.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER

output=$(realpath -m "${QUODRILL_PACKAGE_BUILD:-build-package}")
version=$(sed -n '1s/^quodrill (\([^)]*\)).*/\1/p' debian/changelog)
profiles=()
apt_profiles=()
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
    profiles=(-Pnocheck)
    apt_profiles=(-P nocheck)
fi

# Copies the tracked files as they are now (committed or not) into $1/quodrill-VERSION.
export_tree() {
    local dir=$1/quodrill-$version
    rm -rf "$dir"
    mkdir -p "$dir"
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        local tree
        tree=$(git stash create)
        git archive "${tree:-HEAD}" | tar -x -C "$dir"
    else
        tar -c --exclude='./build*' --exclude='./obj-*' . | tar -x -C "$dir"
    fi
}

# Builds the packages of the tree in $1/quodrill-VERSION into $1.
build_in() {
    local dir=$1
    rm -f "$dir"/quodrill*_"$version"*
    export_tree "$dir"
    (cd "$dir/quodrill-$version" && dpkg-buildpackage -us -uc --jobs-try=auto "${profiles[@]}")
    echo "Built in $dir:" "$(cd "$dir" && ls quodrill*_"$version"*)"
}

export_tree "$output"
if ! (command -v dpkg-checkbuilddeps >/dev/null &&
    cd "$output/quodrill-$version" && dpkg-checkbuilddeps "${profiles[@]}" 2>/dev/null); then
    $sudo apt-get update -q
    $sudo apt-get build-dep -y -q --no-install-recommends "${apt_profiles[@]}" "$output/quodrill-$version"
fi
build_in "$output"
deb=$(realpath "$output/quodrill_${version}_"*.deb)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Section Depends

# What the package must hold and declare, whatever else changes.
depends=$(dpkg-deb --field "$deb" Depends)
contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
problems=()
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-wqy-microhei; do
    grep -qw "$needed" <<<"$depends" || problems+=("does not depend on $needed")
done
for file in ./usr/bin/quodrill ./usr/libexec/quodrill/quodrill-window \
    ./usr/share/applications/org.quodrill.Quodrill.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.quodrill.Quodrill.svg \
    ./usr/share/metainfo/org.quodrill.Quodrill.metainfo.xml ./usr/share/doc/quodrill/copyright \
    ./usr/share/doc/quodrill/examples/test1.txt ./usr/share/man/man6/quodrill.6.gz \
    ./usr/share/bash-completion/completions/quodrill ./usr/share/zsh/vendor-completions/_quodrill; do
    grep -qxF "$file" <<<"$contents" || problems+=("lacks $file")
done
[ -f "$output/quodrill-dbgsym_${version}_$(dpkg --print-architecture).deb" ] ||
    problems+=("comes without its -dbgsym package")
if [ ${#problems[@]} -ne 0 ]; then
    printf 'The package %s\n' "${problems[@]}" >&2
    exit 1
fi

if $lint; then
    command -v lintian >/dev/null && command -v hardening-check >/dev/null ||
        apt_install lintian devscripts
    changes=$(realpath "$output/quodrill_${version}_"*.changes)
    # The tags, one a line as "X: package: tag ...", without the explanations that --info adds.
    tags=$(lintian --pedantic --info --display-experimental --tag-display-limit 0 "$changes" |
        grep -E '^[EWIPXOC]: ' || true)
    echo "lintian --pedantic --info: ${tags:-no tags}"
    [ -z "$tags" ] || exit 1
    unpacked=$(mktemp -d)
    trap 'rm -rf "$unpacked"' EXIT
    dpkg-deb -x "$deb" "$unpacked"
    dpkg-deb -x "$output/quodrill-dbgsym_${version}_$(dpkg --print-architecture).deb" "$unpacked"
    # Control flow integrity aside: Debian 12's toolchain cannot give it. Stack clash protection
    # shows only in functions with frames large enough to need probes, which these programs may
    # lack: then every compiler run recorded in the debug symbols must have asked for it.
    producers=$(find "$unpacked/usr/lib/debug" -type f -exec readelf -z --string-dump=.debug_str {} \; \
        2>/dev/null | grep -o 'GNU C.*' | sort -u)
    if [ -z "$producers" ] || grep -qv -e '-fstack-clash-protection' <<<"$producers"; then
        echo "Not every unit is compiled with -fstack-clash-protection: $producers" >&2
        exit 1
    fi
    for program in usr/bin/quodrill usr/libexec/quodrill/quodrill-window; do
        report=$(hardening-check --nocfprotection "$unpacked/$program" || true)
        echo "$report"
        if grep -v ':$' <<<"$report" | grep -v 'Control flow integrity' |
            grep -v 'Stack clash protection: unknown, no -fstack-clash-protection instructions' |
            grep -qv ': yes'; then
            echo "hardening-check: not every protection in /$program" >&2
            exit 1
        fi
    done
    echo "Every compiler run of both programs had -fstack-clash-protection: $producers"
fi

if $twice; then
    build_in "$output/again"
    for built in "$output"/quodrill*_"$version"_*.deb; do
        if ! cmp "$built" "$output/again/$(basename "$built")"; then
            echo "The two builds differ: $built" >&2
            exit 1
        fi
        echo "Two builds, in $output and $output/again, gave the same $(basename "$built"):" \
            "$(sha256sum <"$built")"
    done
fi

if ! $check; then
    exit 0
fi

# Install as a user would, start the installed program, then take the package away again.
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
quodrill &
app_pid=$!
if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quodrill$' | head -n 1) ||
    [ -z "$window" ]; then
    echo "The installed program showed no window." >&2
    exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "The installed quodrill shows its window ($WIDTH x $HEIGHT); removing the package."
