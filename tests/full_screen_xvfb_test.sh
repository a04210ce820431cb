#!/usr/bin/env bash
# Runs the full-screen check on a 1280x1024 X server of its own with no window manager, on the
# software renderer and on the accelerated one (which falls back to software where the server
# has no GL). Skipped (77) where Xvfb, xwd or xdotool is missing.
set -euo pipefail
check=$1
for tool in Xvfb xwd xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.1
done
[[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset SDL_VIDEODRIVER
# The X libraries keep memory to the end of the process; that is not the game's leak.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$check" software
"$check" accelerated
