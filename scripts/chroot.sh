#!/usr/bin/env bash
# Runs a command on this checkout inside a chroot of a newer Debian release, for example the tests:
#   scripts/chroot.sh 13 bash scripts/test.sh          # Debian 13 "trixie"
#   scripts/chroot.sh testing bash scripts/test.sh     # Debian testing ("forky")
# Each chroot is made once with mmdebstrap from Debian's archive, through the machine's own apt
# sources with the suites renamed, and kept in $ZEITFANG_CHROOTS/<suite> (default
# /var/cache/zeitfang) for the next run. The checkout is mounted at /zeitfang and built into
# build-debian13 or build-testing there, so the machine's own build stays as it is.
# The chroot shares the machine's clock: every process in it runs without CAP_SYS_TIME, and no
# time service is installed or started there.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo -E bash "$PWD/scripts/chroot.sh" "$@"
case "${1:-}" in
13 | trixie) suite=trixie build=build-debian13 ;;
testing | forky) suite=forky build=build-testing ;;
*)
    echo "usage: scripts/chroot.sh 13|trixie|testing|forky COMMAND [ARG...]" >&2
    exit 2
    ;;
esac
shift
[ $# -gt 0 ] || set -- bash
root=${ZEITFANG_CHROOTS:-/var/cache/zeitfang}/$suite
nt=(setpriv --inh-caps=-sys_time --bounding-set=-sys_time)
sources=/etc/apt/sources.list.d/debian.sources
apt_opts=()
# Testing's Release file is valid for a week only, and the archive reached here may be older.
[ "$suite" != forky ] || apt_opts=('Acquire::Check-Valid-Until "false";')

mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9 # one run at a time: each one mounts and unmounts the same folders

inside() { # the processes whose root is the chroot
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" != "$root" ] || echo "${p#/proc/}"
    done
}
clean_up() { # also what a killed run left running and mounted, deepest mount first
    local left m
    left=$(inside)
    [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
    for m in $(findmnt -rno TARGET | grep -E "^$root(/|$)" | sort -r); do
        umount "$m" || umount -l "$m"
    done
}
clean_up
trap clean_up EXIT

if [ ! -e "$root/.made" ]; then
    command -v mmdebstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
    }
    rm -rf "$root"
    start=$SECONDS
    "${nt[@]}" mmdebstrap --variant=minbase --include=ca-certificates,apt-utils,netbase \
        ${apt_opts[@]:+--aptopt="${apt_opts[0]}"} "$suite" "$root" \
        "$(sed -n 's/^URIs: *//p' "$sources" | head -n1)"
    rm -f "$root/etc/apt/sources.list"
    if [ "$suite" = forky ]; then
        # Testing has no security suite under the archive's path; the main suite is enough.
        awk 'BEGIN { RS = ""; ORS = "\n\n" } !/security/' "$sources" |
            sed -E "s/^Suites:.*/Suites: $suite $suite-updates/" \
                >"$root/etc/apt/sources.list.d/debian.sources"
        printf '%s\n' "${apt_opts[@]}" >"$root/etc/apt/apt.conf.d/99no-valid-until"
    else
        sed "s/bookworm/$suite/g" "$sources" >"$root/etc/apt/sources.list.d/debian.sources"
    fi
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    printf 'Package: %s\nPin: release *\nPin-Priority: -1\n\n' systemd-timesyncd chrony ntp \
        ntpsec openntpd >"$root/etc/apt/preferences.d/no-time-service"
    touch "$root/.made"
    echo "chroot.sh: $suite chroot made in $((SECONDS - start)) s"
fi
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

# The chroot a mount point of its own, or `unshare -m` in it fails (the GNOME test).
mount --bind "$root" "$root"
mount --make-private "$root"
for d in proc sys dev dev/pts; do mount --bind "/$d" "$root/$d"; done
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs tmpfs "$root/run"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
# What systemd-tmpfiles makes at boot; without it mutter cannot start XWayland.
mkdir -m 1777 "$root/tmp/.X11-unix" "$root/tmp/.ICE-unix"
mkdir -p "$root/zeitfang"
mount --bind "$PWD" "$root/zeitfang"

status=0
"${nt[@]}" chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin CI="${CI:-}" \
    BUILD_DIR="$build" /bin/bash -c 'cd /zeitfang && exec "$@"' "$suite" "$@" || status=$?
# Everything the command started ends with it: what still runs in the chroot is a fault.
sleep 1
left=$(inside)
if [ -n "$left" ]; then
    echo "chroot.sh: still running in the $suite chroot:" >&2
    ps -o pid=,args= -p "${left//$'\n'/,}" >&2 || true
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
