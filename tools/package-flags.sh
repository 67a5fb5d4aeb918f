#!/usr/bin/env bash
# Runs a command with the compiler and linker flags of the Debian package build in its
# environment (Debian's hardening and debug flags, joined as debhelper's CMake build joins
# them). debian/rules builds the Release type, so a Release build configured through this
#   tools/package-flags.sh cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release ...
# compiles exactly what the package build compiles, and the package build then takes every
# object from the compiler cache. Run it from the source folder: the flags map its path away.
set -euo pipefail
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
CFLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS
exec "$@"
