#!/usr/bin/env bash
# with-wm.sh WIDTHxHEIGHT CMD [ARG...]
#
# Runs CMD on a virtual X screen of the given size with a real window manager:
# an Xvfb server on a free display (Xvfb picks it and tells it through
# -displayfd), openbox on it, and CMD with DISPLAY set and
# QT_QPA_PLATFORM=xcb once openbox has announced itself on the root window
# (_NET_SUPPORTING_WM_CHECK). Both go again when CMD ends; the exit status is
# CMD's. Exit status 77 (a skipped test in CTest) when Xvfb, openbox or xprop
# is not installed.
set -euo pipefail

if [ $# -lt 2 ] || ! [[ "$1" =~ ^[0-9]+x[0-9]+$ ]]; then
  echo "usage: $0 WIDTHxHEIGHT CMD [ARG...]" >&2
  exit 2
fi
size=$1
shift

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (tools/packages.sh installs it); skipped" >&2
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap 'cleanup || true' EXIT

# Xvfb writes the display number it took, then a newline, to descriptor 3.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
  3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!

# Waiting for a server and a window manager that start in their own time:
# polled with a bound, never a fixed pause.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 1 200); do
    if "$@"; then return 0; fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "Xvfb ended while waiting for $what:" >&2
      cat "$work/xvfb.log" >&2
      exit 1
    fi
    sleep 0.05
  done
  echo "timed out waiting for $what" >&2
  exit 1
}
display_written() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
wait_for "the X server" display_written
export DISPLAY=":$(head -n1 "$work/display")"

# openbox with its built-in defaults, not the user's configuration.
HOME="$work" XDG_CONFIG_HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for "openbox" wm_running

export QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"
