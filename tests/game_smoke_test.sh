#!/usr/bin/env bash
# Starts the game under the dummy video driver with a scratch home, lets it run frames, ends it
# with SIGTERM and checks the exit code, the log and the folders.
#   game_smoke_test.sh GAME DATA: in a scratch run folder holding a copy of DATA.
#   game_smoke_test.sh GAME: an installed game, in an empty folder; it finds its own data, logs
#     into the user's state folder and writes nothing where it was started.
set -euo pipefail
game=$1
data=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/run" "$work/home"
if [[ -n $data ]]; then
  cp -r "$data" "$work/run/data"
  logs=debugdata
else
  logs="$work/home/.local/state/gigvale"
fi
cd "$work/run"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.local/state" \
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$game" &
pid=$!
log=$logs/debug.txt
for _ in $(seq 1 300); do
  grep -q "Loading progress 1.00" "$log" 2>/dev/null && break
  sleep 0.1
done
sleep 1
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
fail() { echo "FAIL: $*"; echo "--- debug.txt"; cat "$log" || true; exit 1; }
[[ $status -eq 0 ]] || fail "exit code $status"
head -1 "$log" | grep -qx -- "----DEBUG FILE----" || fail "header line"
sed -n 2p "$log" | grep -q " detected$" || fail "system line"
for fraction in 0.00 0.25 0.35 0.40 0.50 1.00; do
  grep -qx "Loading progress $fraction" "$log" || fail "loading stage $fraction"
done
tail -1 "$log" | grep -qx "END DEBUG---" || fail "log not closed by Shutdown"
grep -q "Redundant calls/frame" "$logs/drawdebug.txt" || fail "renderer not released"
for folder in "" savegames mods mods/portraits_m mods/portraits_f mods/skins mods/avatars; do
  [[ -d "$work/home/Documents/gigvale/$folder" ]] || fail "missing user folder '$folder'"
done
if [[ -z $data ]]; then
  [[ -z $(ls -A) ]] || fail "files written where the game was started: $(ls -A)"
  grep -q '^IsWindowed=' "$work/home/Documents/gigvale/config.muf" || fail "no display settings in the user's folder"
fi
echo "game started, ran frames and shut down cleanly"
