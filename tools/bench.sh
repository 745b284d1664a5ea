#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/packages.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_TESTS=OFF \
  -DTESSARO_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)"
for bench in build-bench/bench/*_bench; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" "$@"
done
