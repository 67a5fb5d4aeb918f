#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOMMELOT_BUILD_TESTS=OFF \
  -DPOMMELOT_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/pommelot "$@"
