#!/bin/bash
# What one mouse move or index step costs in a real X window, on a 1920x1080
# and a 3840x2160 screen, and on the latter at 200 %: starts an Xvfb of each
# size and runs tavrix_xmove in it, which drags the ray, P and the imaging eye
# and steps the index, 300 events each with XTest, and reads the CPU time of
# the program and of the X server from /proc.
# Usage: bench/xwindow_move.sh [BUILD_DIR] [REPEATS]
set -eu
build=${1:-build}
repeats=${2:-3}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (see packages.txt)" >&2; exit 2; }
done
[ -x "$build/bench/tavrix_xmove" ] && [ -x "$build/tavrix" ] ||
  { echo "build $build/tavrix and $build/bench/tavrix_xmove first" >&2; exit 2; }

work=$(mktemp -d)
xpid=""
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
trap '[ -n "$xpid" ] && kill "$xpid" 2>/dev/null; rm -rf "$work"' EXIT

# The last pass: a 4K screen at 200 %, the program's field at device pixels.
for pass in 1920x1080:1 3840x2160:1 3840x2160:2; do
  size=${pass%:*}
  scale=${pass#*:}
  # Xvfb picks a free display and writes its number to the file.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xpid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb \
    "$build/bench/tavrix_xmove" "$build/tavrix" "$xpid" "$repeats" "$scale"
  kill "$xpid"
  wait "$xpid" 2>/dev/null || true
  xpid=""
  : >"$work/display"
done
