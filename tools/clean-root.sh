# shellcheck shell=bash
# Fresh Debian roots, for building and installing the package where nothing of this machine
# stands in for a missing dependency: a bare root made by debootstrap (minbase) from the Debian
# mirror this machine's apt uses, kept in a cache outside the source tree, and copied afresh
# for every use. Only the bare root is cached, never one with packages added.
# Sourced by tools/build-package.sh (--clean-root) and tests/install/clean-root-test.sh; needs
# root, debootstrap and unshare.
#
# Environment:
#   POMMELOT_ROOT_CACHE  the cache: the bare root, its package list, the downloaded packages
#                        (default /var/cache/pommelot-test)
#   POMMELOT_ROOT_SUITE  the Debian release (default: this machine's, e.g. bookworm)

cleanRootCache=${POMMELOT_ROOT_CACHE:-/var/cache/pommelot-test}
cleanRootSuite=${POMMELOT_ROOT_SUITE:-$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")}
cleanRootArch=$(dpkg --print-architecture)
cleanRootArchives=$cleanRootCache/archives

# This machine's apt sources for the suite that a bare Debian root can check (signed by the
# Debian archive keyring, or with no key named), as deb822 stanzas and one-line entries.
cleanRootSources() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk -v suite="$cleanRootSuite" '
            $1 == "deb" {
                n = 2
                if ($2 ~ /^\[/) { while ($n !~ /\]$/) n++; n++ }
                s = $(n + 1)
                if ((s == suite || index(s, suite "-") == 1 || index(s, suite "/") == 1) &&
                    ($0 !~ /signed-by=/ || $0 ~ /signed-by=[^ \]]*debian-archive-keyring/))
                    print
            }' "$f"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk -v suite="$cleanRootSuite" '
            function flush() {
                if (text != "" && types ~ /(^| )deb( |$)/ && suites ~ ("(^| )" suite "([-/][^ ]*)?( |$)") &&
                    (signed == "" || signed ~ /debian-archive-keyring/) && enabled != "no")
                    printf "%s\n", text
                text = types = suites = signed = enabled = ""
            }
            /^[ \t]*$/ { flush(); next }
            /^#/ { next }
            {
                text = text $0 "\n"
                key = tolower($1)
                val = $0; sub(/^[^:]*:[ \t]*/, "", val)
                if (key == "types:") types = val
                else if (key == "suites:") suites = val
                else if (key == "signed-by:") signed = val
                else if (key == "enabled:") enabled = tolower(val)
            }
            END { flush() }' "$f"
    done
}

# The mirror of the first source that serves the suite itself.
cleanRootMirror() {
    cleanRootSources | awk -v suite="$cleanRootSuite" '
        $1 == "deb" {
            n = 2
            if ($2 ~ /^\[/) { while ($n !~ /\]$/) n++; n++ }
            if ($(n + 1) == suite) { print $n; exit }
        }
        tolower($1) == "uris:" { uri = $2 }
        tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == suite && uri != "") { print uri; exit } }'
}

# Runs CMD in ROOT in a mount namespace of its own, with /proc, /dev and the given folders
# bound in; the mounts end with the command, whatever way it ends, and are never seen outside.
#   cleanRootRun ROOT [-b HOST_DIR[:ROOT_DIR]]... [-u UID] CMD...
cleanRootRun() {
    local root=$1 binds=() user=""
    shift
    while [ $# -gt 0 ]; do
        case $1 in
        -b) binds+=("$2"); shift 2 ;;
        -u) user=$2; shift 2 ;;
        *) break ;;
        esac
    done
    # shellcheck disable=SC2016
    unshare --mount --propagation private -- bash -euc '
        root=$1 user=$2 nbinds=$3
        shift 3
        mount -t proc proc "$root/proc"
        mount --bind /dev "$root/dev"
        mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
        for ((i = 0; i < nbinds; i++)); do
            from=${1%%:*} to=${1#*:}
            mkdir -p "$root$to"
            mount --bind "$from" "$root$to"
            shift
        done
        as_user=()
        [ -z "$user" ] || as_user=(--userspec="$user:$user")
        exec chroot "${as_user[@]}" "$root" "$@"
    ' bash "$root" "$user" "${#binds[@]}" "${binds[@]}" "$@"
}

# The bare root's packages, one "name version" a line.
cleanRootPackages() {
    # shellcheck disable=SC2016
    chroot "$1" dpkg-query -W -f '${Package} ${Version} ${Status}\n'
}

# Prints the path of the cached bare root, making it first where it is missing or no longer
# bare (packages added, removed or broken). Roots are made one at a time across processes.
cleanRootBase() {
    local base=$cleanRootCache/$cleanRootSuite-$cleanRootArch list mirror
    list=$base.packages
    mkdir -p "$cleanRootCache" "$cleanRootArchives/partial"
    (
        flock 9
        if [ -x "$base/usr/bin/apt-get" ] && [ -s "$list" ] &&
            cleanRootPackages "$base" 2>/dev/null | cmp -s - "$list"; then
            exit 0
        fi
        mirror=$(cleanRootMirror)
        [ -n "$mirror" ] || { echo "clean-root: no Debian source for $cleanRootSuite in /etc/apt" >&2; exit 1; }
        echo "clean-root: making a bare $cleanRootSuite root from $mirror" >&2
        rm -rf "$base" "$base.new" "$list"
        cleanRootSeedArchives
        debootstrap --variant=minbase --arch="$cleanRootArch" --cache-dir="$cleanRootArchives" \
            "$cleanRootSuite" "$base.new" "$mirror" >"$cleanRootCache/debootstrap.log" 2>&1 ||
            { tail -20 "$cleanRootCache/debootstrap.log" >&2; rm -rf "$base.new"; exit 1; }
        rm -f "$base.new/etc/apt/sources.list"
        cleanRootSources >"$base.new/etc/apt/sources.list.d/host.list.tmp"
        # One-line entries and deb822 stanzas go to files of their own kind.
        grep '^deb ' "$base.new/etc/apt/sources.list.d/host.list.tmp" >"$base.new/etc/apt/sources.list" || true
        grep -v '^deb ' "$base.new/etc/apt/sources.list.d/host.list.tmp" >"$base.new/etc/apt/sources.list.d/host.sources" || true
        rm "$base.new/etc/apt/sources.list.d/host.list.tmp"
        # The host's ways of reaching the mirror (proxy, validity of a fixed snapshot).
        grep -l '^[[:space:]]*Acquire::' /etc/apt/apt.conf /etc/apt/apt.conf.d/* 2>/dev/null |
            while read -r conf; do cp "$conf" "$base.new/etc/apt/apt.conf.d/"; done
        # Nothing installed into a copy starts a service.
        printf '#!/bin/sh\nexit 101\n' >"$base.new/usr/sbin/policy-rc.d"
        chmod 0755 "$base.new/usr/sbin/policy-rc.d"
        cleanRootRun "$base.new" -b "$cleanRootArchives:/var/cache/apt/archives" \
            env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin apt-get -qq update >&2 || { rm -rf "$base.new"; exit 1; }
        cleanRootPackages "$base.new" >"$list.new"
        mv "$base.new" "$base"
        mv "$list.new" "$list"
    ) 9>"$cleanRootCache/base.lock" || return 1
    echo "$base"
}

# Copies the bare root to DEST (a new folder) for one use, with this machine's name lookup.
cleanRootCopy() {
    local base
    base=$(cleanRootBase) || return 1
    cp -a "$base" "$1"
    cp -L /etc/resolv.conf "$1/etc/resolv.conf" 2>/dev/null || true
    # A copy lives for one build or test: dpkg need not wait for every file to reach the
    # disk, and the manual page index (rebuilt after each install) is never read.
    echo force-unsafe-io >"$1/etc/dpkg/dpkg.cfg.d/pommelot-unsafe-io"
    echo "man-db man-db/auto-update boolean false" | chroot "$1" debconf-set-selections
}

# Packages this machine has downloaded already are taken from its own cache (linked, so that
# its cleaning does not empty ours).
cleanRootSeedArchives() {
    mkdir -p "$cleanRootArchives/partial"
    cp -nl /var/cache/apt/archives/*.deb "$cleanRootArchives/" 2>/dev/null || true
}

# Runs apt-get in ROOT with the shared download cache (one apt at a time uses it).
cleanRootApt() {
    local root=$1
    shift
    cleanRootSeedArchives
    (
        flock 9
        cleanRootRun "$root" -b "$cleanRootArchives:/var/cache/apt/archives" \
            env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 \
            apt-get -y -q -o Dpkg::Use-Pty=0 "$@"
    ) 9>"$cleanRootCache/archives.lock"
}

# Ends the processes still running in ROOT (a program started there and left behind).
cleanRootKill() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$1" ] && kill -KILL "${p#/proc/}" 2>/dev/null
    done
    return 0
}

# Removes a copy made by cleanRootCopy. Its mounts live only in the namespaces of commands
# that have ended, so nothing of this machine is reached through it.
cleanRootRemove() {
    [ -n "$1" ] && [ -d "$1" ] || return 0
    if findmnt -rno TARGET | grep -q "^$1/"; then
        echo "clean-root: $1 still has mounts; left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$1"
}
