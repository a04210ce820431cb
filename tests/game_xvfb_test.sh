#!/usr/bin/env bash
# The game in a real window on an X server of its own, played with real X input (xdotool): a
# new career, the stage announcement, a tooltip, a screenshot with F12, a save from the main
# menu, then quitting through the quit question. The game must end by itself with exit code 0,
# leaving the save and the screenshot. Skipped (77) where Xvfb or xdotool is missing.
set -euo pipefail
game=$1
data=$2
work=$(mktemp -d)
pid=""
STOP_FIRST='if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; fi'
source "$(dirname "$0")/xvfb_server.sh"
start_xvfb Xvfb xdotool
export SDL_AUDIODRIVER=dummy

mkdir -p "$work/run" "$work/home"
cp -r "$data" "$work/run/data"
# A window on the 1280x1024 screen: window pixels are screen pixels.
sed -i 's/^IsWindowed=.*/IsWindowed=1/' "$work/run/data/config.muf"
cd "$work/run"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$game" &
pid=$!
log=debugdata/debug.txt
fail() {
  echo "FAIL: $*"
  echo "--- debug.txt"; tail -30 "$log" 2>/dev/null || true
  exit 1
}
for _ in $(seq 1 600); do
  grep -q "Loading progress 1.00" "$log" 2>/dev/null && break
  sleep 0.1
done
grep -q "Loading progress 1.00" "$log" || fail "the game did not finish loading"
sleep 2

# Clicks and keys as a player makes them, with time for each screen and its fade.
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-1}"; }
click 512 270 2            # New Career
click 591 293              # the set-up screen's word of advice: OK
click 400 308              # the band's name
xdotool key End
xdotool key --repeat 40 --delay 20 BackSpace
xdotool type --delay 60 "Xvfb Rockers"
sleep 0.5
click 721 630 3            # Let's Rock
click 822 555 2            # the stage announcement: Onwards
xdotool key Return         # the desktop's introduction, read
sleep 1
xdotool mousemove 656 724  # rest on the practice button until its tooltip shows
sleep 2
xdotool key F12
sleep 1
xdotool key Escape         # the desktop's quit question
sleep 1
click 604 434 2            # OK: back to the main menu
click 512 420 2            # Save Game
xdotool key --repeat 10 --delay 20 BackSpace
xdotool type --delay 60 "xvfb"
xdotool key Return
sleep 2
xdotool key Escape         # the quit question of the main menu
sleep 1
click 604 434 1            # OK: the game ends

status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game did not quit"
wait "$pid" || status=$?
pid=""
[[ $status -eq 0 ]] || fail "exit code $status"
save="$work/home/Documents/gigvale/savegames/xvfb.xml"
[[ -s "$save" ]] || fail "no save file"
grep -q "<band_name>Xvfb Rockers</band_name>" "$save" || fail "the save holds another band: $(grep band_name "$save")"
[[ -s "$work/home/Documents/gigvale/screenshots/screenshot0001.png" ]] || fail "no screenshot"
tail -1 "$log" | grep -qx "END DEBUG---" || fail "log not closed by Shutdown"
echo "played in a real window: saved, screenshot taken, quit through the question"
