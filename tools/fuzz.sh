#!/usr/bin/env bash
# Long fuzzing campaigns of the file loaders.
#
#   tools/fuzz.sh [-t SECONDS] [-r RUNS] [-m] [TARGET...]
#
# Builds build-fuzz as tools/test.sh does and runs each named target (all
# eight when none is named, e.g. "list_fuzz" or just "list") one after the
# other, for SECONDS each or for RUNS inputs each, whichever ends first (600
# seconds when neither is given), with the dictionary fuzz/tessaro.dict,
# starting from the committed seeds in fuzz/seeds/<target>/. The growing
# corpus is kept in build-fuzz/corpus/<target>/ and findings are written to
# build-fuzz/findings/<target>/. With -m the corpus is then minimized into
# build-fuzz/minimized/<target>/, ready to replace the committed seeds. Prints
# the executions and the coverage of each target and the findings; the exit
# status is 1 when a target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=""
runs=""
minimize=0
while getopts "t:r:m" option; do
  case "$option" in
    t) seconds=$OPTARG ;;
    r) runs=$OPTARG ;;
    m) minimize=1 ;;
    *) sed -n '2,16p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

all=(list_fuzz stack_fuzz queue_fuzz bintree_fuzz searchtree_fuzz avltree_fuzz ntree_fuzz
  bayertree_fuzz)
[ $# -gt 0 ] || set -- "${all[@]}"
targets=()
for name in "$@"; do
  name=${name%_fuzz}_fuzz
  [[ " ${all[*]} " == *" $name "* ]] || { echo "unknown target $name" >&2; exit 2; }
  targets+=("$name")
done

CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSARO_FUZZ=ON -DTESSARO_GUI=OFF -DTESSARO_TESTS=OFF -DTESSARO_BENCH=OFF \
  -DTESSARO_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

[ -n "$seconds$runs" ] || seconds=600
limit=()
[ -z "$seconds" ] || limit+=(-max_total_time="$seconds")
[ -z "$runs" ] || limit+=(-runs="$runs")
found=0
for name in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  log="build-fuzz/fuzz-$name.log"
  mkdir -p "$corpus" "$findings"
  echo "-- $name"
  status=0
  "build-fuzz/fuzz/$name" "$corpus" "fuzz/seeds/$name" -dict=fuzz/tessaro.dict "${limit[@]}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    >"$log" 2>&1 || status=$?
  # The last status line (executions, cov, ft, corpus) and the final counters.
  grep -E '^#[0-9]+' "$log" | tail -n 1 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  if [ "$status" -ne 0 ]; then
    found=1
    echo "FINDING (exit $status), see $log:"
    ls "$findings"
  fi
  if [ "$minimize" -eq 1 ]; then
    rm -rf "build-fuzz/minimized/$name"
    mkdir -p "build-fuzz/minimized/$name"
    "build-fuzz/fuzz/$name" -merge=1 "build-fuzz/minimized/$name" "$corpus" "fuzz/seeds/$name" \
      >/dev/null 2>&1
    echo "minimized: $(ls "build-fuzz/minimized/$name" | wc -l) files," \
      "$(du -sb "build-fuzz/minimized/$name" | cut -f1) bytes"
  fi
done
exit "$found"
