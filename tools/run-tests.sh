#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite:
#  1. the libFuzzer target for the word-list loader (clang), a short run;
#  2. the drawing-thread tests under ThreadSanitizer;
#  3. the Release build the README tells parents to make (with the Debian package's compiler
#     flags, so that the package build takes its objects from the compiler cache), with its
#     tests once, which also install it into a temporary prefix and start the installed program;
#  4. the Debian package: built, checked with lintian and for its contents, started unpacked,
#     and its play session run in cage; then built again in a fresh minimal Debian root with
#     only its declared build dependencies, and installed with apt into a second fresh root and
#     started there (tests/install/clean-root-test.sh; the bare root is cached in
#     /var/cache/pommelot-test, made by debootstrap where it is missing);
#  5. everything with AddressSanitizer + UndefinedBehaviorSanitizer and -Werror.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.cache/ccache}
# Paths inside the tree hash as relative ones, so another build folder (the package build, or
# a clone elsewhere) finds what an earlier build compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
# The build folder itself is left out of the hash as well (it goes into the debug information
# only), so that the package build, in build-deb/, takes the Release build's objects.
export CCACHE_NOHASHDIR=1
# The tests run outside a desktop session, with no session bus unless a test starts one of its
# own. With no address at all, the D-Bus library would launch a bus through X11 for every Qt
# program (for its accessibility bridge): it forks a launcher from a running, threaded process,
# which can hang under the sanitizers, and leaves files in the home folder. An address where
# nothing listens makes every program see "no bus" at once.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent/pommelot-no-bus}

echo "== Fuzzing the word-list loader"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DPOMMELOT_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs"
ctest --test-dir build-fuzz --output-on-failure

echo "== Drawing threads under ThreadSanitizer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DPOMMELOT_WERROR=ON \
  -DPOMMELOT_SANITIZE=thread -DPOMMELOT_BUILD_BENCH=OFF >/dev/null
thread_tests=$(sed -n 's/^ *\(tst_[a-z0-9_]*\).*/\1/p' tests/thread-tests.txt)
# shellcheck disable=SC2086
cmake --build build-tsan -j"$jobs" --target $thread_tests
ctest --test-dir build-tsan --output-on-failure -R "^($(echo $thread_tests | tr ' ' '|'))\$"

echo "== The parents' Release build, with its tests once"
started=$(date +%s)
tools/package-flags.sh cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j"$jobs"
echo "Release build took $(($(date +%s) - started)) s"
# Among its tests, install_and_seed runs cmake --install into a temporary prefix and starts the
# installed program.
ctest --test-dir build-release --output-on-failure -j"$jobs"

echo "== Debian package"
rm -rf build-package
mkdir -p build-package
CCACHE_STATSLOG=$PWD/build-package/ccache.stats \
  bash tools/build-package.sh build-package >build-package/build.log 2>&1 ||
  { tail -50 build-package/build.log; exit 1; }
CCACHE_STATSLOG=$PWD/build-package/ccache.stats ccache --show-log-stats 2>/dev/null |
  grep -m1 'Hits:' | sed 's/^ */Compiler cache of the package build: /' || true
deb=$(ls build-package/pommelot_*.deb)
tools/xvfb-run-test.sh bash tests/install/package-test.sh "$deb"
bash tests/install/play-session-test.sh "$deb"
started=$(date +%s)
CCACHE_STATSLOG=$PWD/build-package/clean-root-ccache.stats \
  tools/xvfb-run-test.sh bash tests/install/clean-root-test.sh "$deb"
CCACHE_STATSLOG=$PWD/build-package/clean-root-ccache.stats ccache --show-log-stats 2>/dev/null |
  grep -m1 'Hits:' | sed 's/^ */Compiler cache of the clean-root build: /' || true
echo "The package in clean roots took $(($(date +%s) - started)) s"

echo "== Whole suite with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPOMMELOT_WERROR=ON \
  -DPOMMELOT_SANITIZE=address >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"
