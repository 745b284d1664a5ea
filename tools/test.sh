#!/usr/bin/env bash
# Builds and runs every test: the normal build, a build with AddressSanitizer
# and UndefinedBehaviorSanitizer, and each fuzz target of the file loaders
# for a bounded time; then builds the Debian package from the normal build,
# installs it, runs it and removes it.
# FUZZ_SECONDS (default 20) sets the time per fuzz target; 0 skips fuzzing.
# TESSARO_PACKAGE=0 skips the package.
# Long campaigns: tools/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/packages.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1

echo "== Normal build"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_BENCH=ON \
  -DTESSARO_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

fuzz_seconds=${FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== Fuzzing the file loaders, ${fuzz_seconds} s each"
  CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARO_FUZZ=ON -DTESSARO_GUI=OFF -DTESSARO_TESTS=OFF -DTESSARO_BENCH=OFF \
    -DTESSARO_WERROR=ON >/dev/null
  cmake --build build-fuzz -j"$jobs"
  for target in build-fuzz/fuzz/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "-- $name"
    "$target" "$corpus" -dict=fuzz/tessaro.dict -max_total_time="$fuzz_seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=0 2>&1 | tail -n 3
  done
fi

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARO_SANITIZE=ON \
  -DTESSARO_BENCH=OFF -DTESSARO_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The Debian package of the normal build: built, checked, installed, run and
# removed again (tools/package-check.sh). TESSARO_PACKAGE=0 skips it.
if [ "${TESSARO_PACKAGE:-1}" != 0 ]; then
  echo "== Debian package"
  started=$SECONDS
  # Who builds the package is its maintainer; a test run that names nobody
  # uses an address under .invalid, which by definition reaches no one.
  deb=$(DEBFULLNAME=${DEBFULLNAME:-Tessaro-Testlauf} DEBEMAIL=${DEBEMAIL:-testlauf@tessaro.invalid} \
    tools/package.sh --build-dir build-test | tail -n 1)
  tools/package-check.sh "$deb"
  echo "-- $((SECONDS - started)) s"
fi
