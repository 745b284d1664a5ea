#!/usr/bin/env bash
# Builds Tessaro (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/packages.sh --runtime
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSARO_TESTS=OFF -DTESSARO_BENCH=OFF >/dev/null
cmake --build build-release --target tessaro -j"$(nproc)"
exec build-release/app/tessaro "$@"
