# Sourced by the tests that need a real X server: checks the tools (skipping with 77 when one is
# missing), starts a 1280x1024 Xvfb with no window manager in the folder $work, exports its
# DISPLAY and stops it on exit (after the caller's own cleanup, STOP_FIRST, when it sets one).
# Usage: work=$(mktemp -d); start_xvfb Xvfb xdotool ...
start_xvfb() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_server=$!
  trap 'eval "${STOP_FIRST:-}"; kill "$xvfb_server" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
  for _ in $(seq 1 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
  done
  [[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -1 "$work/display")"
  unset SDL_VIDEODRIVER
  # The X libraries keep memory to the end of the process; that is not the game's leak.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
}
