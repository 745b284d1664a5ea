#!/usr/bin/env bash
# Start-up time of the program against an empty Qt window of the same size:
# both run as whole processes, alternately, each ending right after its first
# paint (TESSARO_EXIT_AFTER_FIRST_PAINT). Prints the median of each and their
# ratio. Runs on the offscreen platform (no display needed, as in CI); that
# platform paints into memory like a real one.
#   tools/startup-ratio.sh [build folder, default build] [runs each, default 21]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
for program in tessaro emptywindow; do
  if [ ! -x "$build/app/$program" ]; then
    echo "$build/app/$program is missing: cmake --build $build --target tessaro emptywindow" >&2
    exit 1
  fi
done
export QT_QPA_PLATFORM=offscreen TESSARO_EXIT_AFTER_FIRST_PAINT=1
exec python3 - "$build/app/tessaro" "$build/app/emptywindow" "$runs" <<'PY'
import statistics, subprocess, sys, time

program, reference, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def once(path):
    start = time.perf_counter()
    subprocess.run([path], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start

# One run each first, so that both start from warm file caches.
once(program)
once(reference)
times = {program: [], reference: []}
for i in range(runs):
    order = (program, reference) if i % 2 == 0 else (reference, program)
    for path in order:
        times[path].append(once(path))
p = statistics.median(times[program])
r = statistics.median(times[reference])
print(f"program       {p * 1000:8.1f} ms (median of {runs})")
print(f"empty window  {r * 1000:8.1f} ms (median of {runs})")
print(f"ratio         {p / r:8.2f}")
PY
