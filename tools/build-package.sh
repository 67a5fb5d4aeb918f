#!/usr/bin/env bash
# Builds the Debian package pommelot_<version>_<arch>.deb and puts it into OUT_DIR (default:
# the source folder), ready for `sudo apt install ./pommelot_*.deb`.
#   tools/build-package.sh [--clean-root] [OUT_DIR]
# With --clean-root (as root; needs debootstrap) the package is built as Debian's builders build
# it: in a fresh minimal Debian root holding only build-essential and the build dependencies
# debian/control names (tools/clean-root.sh), so a dependency missing there fails the build
# even where this machine has it installed. The source goes in as the working tree has it.
# Installs the build dependencies it lacks first. The compiler cache is used when ccache is
# installed: CCACHE_DIR and CCACHE_BASEDIR are passed through, so a package built beside a
# Release build with the same flags (see tools/package-flags.sh) compiles next to nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
clean_root=0
if [ "${1:-}" = --clean-root ]; then
    clean_root=1
    shift
fi
out=${1:-$src}
mkdir -p "$out"
out=$(cd "$out" && pwd)
# The package's build dependencies (debian/control), and the tools that read them.
if [ "$clean_root" = 1 ]; then
    # The build dependencies go into the clean root below; here only what makes it.
    [ "$(id -u)" -eq 0 ] || { echo "build-package.sh: --clean-root needs root" >&2; exit 1; }
    if ! command -v debootstrap >/dev/null || ! command -v dpkg-parsechangelog >/dev/null; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap dpkg-dev
    fi
elif [ "${POMMELOT_SKIP_DEPS:-0}" != 1 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    if ! command -v dpkg-checkbuilddeps >/dev/null || ! command -v dh >/dev/null; then
        $SUDO apt-get update -qq
        $SUDO apt-get install -y -qq --no-install-recommends dpkg-dev debhelper
    fi
    unmet=$(dpkg-checkbuilddeps 2>&1 | sed -n 's/.*Unmet build dependencies: //p' |
        sed 's/([^)]*)//g; s/|[^ ]*//g') || true
    if [ -n "$unmet" ]; then
        echo "Installing the build dependencies: $unmet"
        $SUDO apt-get update -qq
        # shellcheck disable=SC2086
        $SUDO apt-get install -y -qq --no-install-recommends $unmet
    fi
fi
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
parent=$(dirname "$src")
# dpkg-buildpackage writes its results beside the source folder; take them from there.
rm -f "$parent/pommelot_${version}_${arch}".{deb,buildinfo,changes}
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} noautodbgsym parallel=$(nproc)"
if [ "$clean_root" = 1 ]; then
    # shellcheck source=tools/clean-root.sh
    . tools/clean-root.sh
    root=$(mktemp -d "${TMPDIR:-/var/tmp}/pommelot-build-root.XXXXXX")
    trap 'cleanRootKill "$root"; cleanRootRemove "$root"' EXIT
    trap 'exit 1' INT TERM HUP
    rmdir "$root"
    started=$(date +%s)
    cleanRootCopy "$root"
    echo "Clean root copied in $(($(date +%s) - started)) s"
    # The source at the same path as here, so that the compiler flags (which map that path
    # away) and with them the compiler cache's keys are the same as in a build made here.
    mkdir -p "$root$src"
    if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$src" ls-files -z --cached --others --exclude-standard |
            tar -C "$src" --null --ignore-failed-read -T - -cf - 2>/dev/null
    else
        tar -C "$src" --exclude-vcs --exclude='./build*' --exclude=./.cache -cf - .
    fi | tar -C "$root$src" -xf -
    # The compiler cache is bound in where one is named; ccache itself supplies no library.
    binds=() extra=() cache_env=()
    if [ -n "${CCACHE_DIR:-}" ] && [ -d "$CCACHE_DIR" ]; then
        binds=(-b "$CCACHE_DIR")
        extra=(ccache)
        # The locale goes into the cache's keys as well.
        while IFS= read -r v; do cache_env+=("$v"); done < <(env | grep -E '^(CCACHE_|LANG=|LC_)' |
            grep -v '^CCACHE_STATSLOG=')
        # A statistics log asked for is written here, through its folder.
        if [ -n "${CCACHE_STATSLOG:-}" ]; then
            mkdir -p "$(dirname "$CCACHE_STATSLOG")"
            binds+=(-b "$(cd "$(dirname "$CCACHE_STATSLOG")" && pwd)")
            cache_env+=("CCACHE_STATSLOG=$(cd "$(dirname "$CCACHE_STATSLOG")" && pwd)/$(basename "$CCACHE_STATSLOG")")
        fi
    fi
    started=$(date +%s)
    cleanRootApt "$root" update >/dev/null
    cleanRootApt "$root" install --no-install-recommends build-essential "${extra[@]}"
    cleanRootApt "$root" build-dep --no-install-recommends "$src/"
    echo "Clean root with the build dependencies ready in $(($(date +%s) - started)) s"
    started=$(date +%s)
    # shellcheck disable=SC2016
    cleanRootRun "$root" "${binds[@]}" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        DEB_BUILD_OPTIONS="$DEB_BUILD_OPTIONS" "${cache_env[@]}" \
        bash -c 'cd "$1" && dpkg-buildpackage -us -uc -b' bash "$src"
    parent_in_root=$root$parent
    for f in "pommelot_${version}_${arch}.deb" "pommelot_${version}_${arch}.buildinfo" \
        "pommelot_${version}_${arch}.changes"; do
        cp "$parent_in_root/$f" "$out/$f"
    done
    echo "Built $out/pommelot_${version}_${arch}.deb in a clean $cleanRootSuite root" \
        "in $(($(date +%s) - started)) s"
    exit 0
fi
dpkg-buildpackage -us -uc -b
for f in "pommelot_${version}_${arch}.deb" "pommelot_${version}_${arch}.buildinfo" \
    "pommelot_${version}_${arch}.changes"; do
    if [ "$parent" != "$out" ]; then
        mv -f "$parent/$f" "$out/$f"
    fi
done
echo "Built $out/pommelot_${version}_${arch}.deb"
