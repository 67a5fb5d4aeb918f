#!/usr/bin/env bash
# Builds the Debian package pommelot_<version>_<arch>.deb and puts it into OUT_DIR (default:
# the source folder), ready for `sudo apt install ./pommelot_*.deb`.
#   tools/build-package.sh [OUT_DIR]
# Installs the build dependencies it lacks first. The compiler cache is used when ccache is
# installed: CCACHE_DIR and CCACHE_BASEDIR are passed through, so a package built beside a
# Release build with the same flags (see tools/package-flags.sh) compiles next to nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
out=${1:-$src}
mkdir -p "$out"
out=$(cd "$out" && pwd)
# The package's build dependencies (debian/control), and the tools that read them.
if [ "${POMMELOT_SKIP_DEPS:-0}" != 1 ]; then
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
dpkg-buildpackage -us -uc -b
for f in "pommelot_${version}_${arch}.deb" "pommelot_${version}_${arch}.buildinfo" \
    "pommelot_${version}_${arch}.changes"; do
    if [ "$parent" != "$out" ]; then
        mv -f "$parent/$f" "$out/$f"
    fi
done
echo "Built $out/pommelot_${version}_${arch}.deb"
