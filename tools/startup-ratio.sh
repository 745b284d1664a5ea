#!/usr/bin/env bash
# Start-up time of the program against an empty Qt window of the same size:
# both run as whole processes, alternately, each ending right after its first
# paint (TESSARO_EXIT_AFTER_FIRST_PAINT). Prints the median of each and their
# ratio; for comparison also the empty window with one line of text, which
# pays what any window with text pays first (the font configuration, the
# first glyphs). Runs on the offscreen platform (no display needed, as in CI); that
# platform paints into memory like a real one.
#   tools/startup-ratio.sh [build folder, default build] [runs each, default 21]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
program=$build/app/tessaro
reference=$build/app/emptywindow
for p in "$program" "$reference"; do
  if [ ! -x "$p" ]; then
    echo "$p is missing: cmake --build $build --target tessaro emptywindow" >&2
    exit 1
  fi
done
export QT_QPA_PLATFORM=offscreen TESSARO_EXIT_AFTER_FIRST_PAINT=1

# Milliseconds one run of the command takes, from the shell's clock (no extra
# process).
once() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  local end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run each first, so that both start from warm file caches.
once "$program" >/dev/null
once "$reference" >/dev/null
once "$reference" --text >/dev/null
programTimes=()
referenceTimes=()
textTimes=()
for ((i = 0; i < runs; i++)); do
  if ((i % 2 == 0)); then
    programTimes+=("$(once "$program")")
    referenceTimes+=("$(once "$reference")")
    textTimes+=("$(once "$reference" --text)")
  else
    textTimes+=("$(once "$reference" --text)")
    referenceTimes+=("$(once "$reference")")
    programTimes+=("$(once "$program")")
  fi
done
p=$(printf '%s\n' "${programTimes[@]}" | median)
r=$(printf '%s\n' "${referenceTimes[@]}" | median)
t=$(printf '%s\n' "${textTimes[@]}" | median)
awk -v p="$p" -v r="$r" -v t="$t" -v n="$runs" 'BEGIN {
  printf "program       %8.1f ms (median of %d)\n", p, n
  printf "empty window  %8.1f ms (median of %d)\n", r, n
  printf "ratio         %8.2f\n", p / r
  printf "one text line %8.1f ms (median of %d), ratio %.2f\n", t, n, t / r
}'
