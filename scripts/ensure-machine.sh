#!/usr/bin/env bash
# Makes this Debian 12 machine able to build and test Vantrel: installs what
# is missing, quietly, and leaves what is present alone. Needs root (or sudo)
# only when something has to be installed. Fails loudly.
set -euo pipefail

say() { echo "ensure-machine: $*"; }
die() { echo "ensure-machine: error: $*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"
    elif command -v sudo >/dev/null; then sudo "$@"
    else die "need root to run: $*"
    fi
}

apt_updated=
apt_update() {
    [ -n "$apt_updated" ] && return 0
    say "apt-get update"
    as_root apt-get update -qq >/dev/null || die "apt-get update failed"
    apt_updated=1
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

apt_install() {
    local missing=() package
    for package in "$@"; do installed "$package" || missing+=("$package"); done
    [ ${#missing[@]} -eq 0 ] && return 0
    apt_update
    say "installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null || die "could not install ${missing[*]}"
}

# wine32 is an i386 package.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    say "adding the i386 architecture"
    as_root dpkg --add-architecture i386
    apt_updated=
fi

apt_install cmake make g++ python3 python3-pefile googletest libgtest-dev \
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
    clang libclang-rt-14-dev nsis \
    wine wine32:i386

# Wine's 32-bit loader is an i386 program. Some virtual machines cannot run
# 32-bit x86 code at all (the exec fails with ENOEXEC, or the process dies on
# its first 32-bit instruction); there it runs under qemu's user-mode
# emulation, registered with binfmt_misc, with a native 64-bit wineserver.
# qemu 7.2 of Debian 12 ignores MAP_FIXED_NOREPLACE, which makes every Wine
# process spend a minute probing for memory; the backported qemu does not.
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

if ! runs_32bit; then
    say "this machine cannot run 32-bit x86 code natively; using qemu user-mode emulation"
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    if [ "$codename" = bookworm ]; then
        backports=/etc/apt/sources.list.d/debian-backports.sources
        if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
            say "adding bookworm-backports for a current qemu"
            printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
                'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
                as_root tee "$backports" >/dev/null
            apt_updated=
        fi
        qemu_version=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)
        if [ -z "$qemu_version" ] || dpkg --compare-versions "$qemu_version" lt 1:8.1; then
            apt_update
            say "installing qemu-user-static from bookworm-backports"
            as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                -t bookworm-backports qemu-user-static >/dev/null || die "could not install qemu-user-static"
        fi
    else
        apt_install qemu-user-static
    fi
    apt_install wine64

    binfmt=/proc/sys/fs/binfmt_misc
    if [ ! -e "$binfmt/register" ]; then
        as_root mount -t binfmt_misc binfmt_misc "$binfmt" || die "cannot mount binfmt_misc"
    fi
    qemu=$(command -v qemu-i386 || command -v qemu-i386-static) || die "no qemu-i386 found"
    qemu=$(readlink -f "$qemu")
    if [ -e "$binfmt/qemu-i386" ] && ! grep -qx "interpreter $qemu" "$binfmt/qemu-i386"; then
        echo -1 | as_root tee "$binfmt/qemu-i386" >/dev/null
    fi
    if [ ! -e "$binfmt/qemu-i386" ]; then
        say "registering $qemu for i386 programs"
        # ELF, 32-bit, little-endian, executable or shared object, machine i386.
        magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
        mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
        printf '%s' ":qemu-i386:M::$magic:$mask:$qemu:F" | as_root tee "$binfmt/register" >/dev/null
    fi
    runs_32bit || die "Wine's 32-bit loader still does not run"
fi

say "ready"
