#!/usr/bin/env bash
# Runs the suite as a busy machine runs it: two CPU-bound processes run the
# whole time while the README's test command runs RUNS times in a row
# (default 3), then the sanitizer build's GUI tests GUI_RUNS times (default
# 10). Stops at the first failure; prints each run's time.
#   tools/test-under-load.sh            # RUNS=3 GUI_RUNS=10
#   RUNS=1 GUI_RUNS=2 tools/test-under-load.sh
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-3}
gui_runs=${GUI_RUNS:-10}

load=()
for _ in 1 2; do
  sh -c 'while :; do :; done' &
  load+=($!)
done
trap 'kill "${load[@]}" 2>/dev/null || true' EXIT

for ((k = 1; k <= runs; k++)); do
  start=$(date +%s)
  tools/test.sh >"/tmp/tessaro-load-run-$k.log" 2>&1 ||
    { echo "run $k of tools/test.sh FAILED (log: /tmp/tessaro-load-run-$k.log)"; exit 1; }
  echo "run $k of tools/test.sh passed in $(($(date +%s) - start)) s"
done

rm -f /tmp/tessaro-load-gui-*.log
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
for ((k = 1; k <= gui_runs; k++)); do
  start=$(date +%s)
  for program in build-asan/tests/ui/test_ui_*; do
    [ -x "$program" ] || continue
    "$program" >>"/tmp/tessaro-load-gui-$k.log" 2>&1 ||
      { echo "GUI run $k FAILED in $program (log: /tmp/tessaro-load-gui-$k.log)"; exit 1; }
  done
  echo "GUI run $k passed in $(($(date +%s) - start)) s"
done
