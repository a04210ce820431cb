#!/usr/bin/env bash
# Starts the game under the dummy video driver in a scratch run folder with a scratch home,
# lets it run frames, ends it with SIGTERM and checks the exit code, the log and the folders.
set -euo pipefail
game=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/run" "$work/home"
cp -r "$data" "$work/run/data"
cd "$work/run"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$game" &
pid=$!
log=debugdata/debug.txt
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
grep -q "Redundant calls/frame" debugdata/drawdebug.txt || fail "renderer not released"
for folder in "" savegames mods mods/portraits_m mods/portraits_f mods/skins mods/avatars; do
  [[ -d "$work/home/Documents/gigvale/$folder" ]] || fail "missing user folder '$folder'"
done
echo "game started, ran frames and shut down cleanly"
