# Sourced by the checks that run on a fresh, minimal Debian 12 system made with debootstrap.
# fresh_base DIR: makes the minimal system in DIR once (later calls reuse it) and prints nothing.
# fresh_mount ROOT: gives ROOT the proc and device files of this machine; fresh_unmount undoes
# every mount made so far (call it from the caller's EXIT trap).
# fresh_stop ROOT: ends the processes still running inside ROOT (a server a test left behind).
# fresh_remove DIR: removes DIR once /proc/mounts shows nothing mounted at or under it (it
# unmounts what an earlier run that was cut short left there first) and never leaves DIR's file
# system: a bind-mounted /dev is this machine's own.
# fresh_in_root ROOT COMMAND...: runs COMMAND as root inside ROOT with a clean environment: no
# display, nothing of this machine's settings.
# Needs root and Debian's package mirror.

fresh_mounted=()

fresh_require_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "$1 needs root (debootstrap, chroot, mounts)." >&2
        exit 2
    fi
    command -v debootstrap >/dev/null || {
        echo "debootstrap is missing: apt-get install debootstrap (scripts/install-deps.sh does)." >&2
        exit 2
    }
}

fresh_base() {
    local dir=$1
    # The marker is written last, so a debootstrap that was cut short is made again.
    if [ ! -f "$dir/.quodrill-base-complete" ]; then
        fresh_remove "$dir" || exit 1
        mkdir -p "$(dirname "$dir")"
        debootstrap --variant=minbase bookworm "$dir" http://deb.debian.org/debian >&2
        touch "$dir/.quodrill-base-complete"
    fi
    # Name lookups as on this machine, so that apt-get reaches the mirror.
    cp -L /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
}

fresh_mount() {
    local root=$1
    mount -t proc proc "$root/proc" && fresh_mounted+=("$root/proc")
    mount --bind /dev "$root/dev" && fresh_mounted+=("$root/dev")
    mount --bind /dev/pts "$root/dev/pts" && fresh_mounted+=("$root/dev/pts")
    # A shared-memory folder of its own, as every Debian system has.
    mkdir -p "$root/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm" && fresh_mounted+=("$root/dev/shm")
}

fresh_unmount() {
    local i
    for ((i = ${#fresh_mounted[@]} - 1; i >= 0; i--)); do
        umount "${fresh_mounted[i]}" 2>/dev/null || umount -l "${fresh_mounted[i]}" || true
    done
    fresh_mounted=()
}

fresh_stop() {
    local root process
    root=$(realpath -m "$1")
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then
            kill -KILL "${process#/proc/}" 2>/dev/null || true
        fi
    done
}

# Prints the mount points at or under $1, deepest first, as /proc/mounts lists them.
fresh_mounts_under() {
    local dir
    dir=$(realpath -m "$1")
    awk -v dir="$dir" '{
        point = $2
        gsub(/\\040/, " ", point)
        if (point == dir || index(point, dir "/") == 1) print point
    }' /proc/mounts | sort -r
}

fresh_remove() {
    local dir=$1 point left
    [ -e "$dir" ] || return 0
    while read -r point; do
        [ -n "$point" ] || continue
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done <<<"$(fresh_mounts_under "$dir")"
    left=$(fresh_mounts_under "$dir")
    if [ -n "$left" ]; then
        echo "Not removing $dir: still mounted under it: ${left//$'\n'/ }" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}

fresh_in_root() {
    local root=$1
    shift
    chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM=dumb "$@"
}
