#!/usr/bin/env bash
# Builds the Debian package pommelot_<version>_<arch>.deb and puts it into OUT_DIR (default:
# the source folder), ready for `sudo apt install ./pommelot_*.deb`.
#   tools/build-package.sh [OUT_DIR]
# Installs the build tools it needs first. The compiler cache is used when ccache is
# installed: CCACHE_DIR and CCACHE_BASEDIR are passed through, so a package built beside a
# Release build with the same flags (see tools/package-flags.sh) compiles next to nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
out=${1:-$src}
mkdir -p "$out"
out=$(cd "$out" && pwd)
if [ "${POMMELOT_SKIP_DEPS:-0}" != 1 ]; then
    bash tools/install-deps.sh
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
