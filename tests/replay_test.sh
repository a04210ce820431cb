#!/usr/bin/env bash
# A session the game records (here one played by a script through the devices) is played again
# from its replay alone in another folder and ends in the same save, byte for byte; playing it a
# second time there keeps the first replay as the previous session and still ends the same.
set -euo pipefail
tool=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
HOME="$work/played" XDG_CONFIG_HOME="$work/played/.config" "$tool" play-script "$script" --seed 7 >/dev/null
player="$work/played/Documents/gigvale"
[[ -s $player/replays/last-session/session.play ]] || { echo "the session left no replay" >&2; exit 1; }
cp -r "$player/replays/last-session" "$work/replay"
for run in first second; do
  HOME="$work/elsewhere" "$tool" play-script "$work/replay/session.play" --home "$work/again" >/dev/null
  cmp "$player/savegames/replayed.xml" "$work/again/Documents/gigvale/savegames/replayed.xml" ||
    { echo "the $run replay ended in another save" >&2; exit 1; }
done
[[ -s $work/again/Documents/gigvale/replays/previous-session/session.play ]] ||
  { echo "the previous session's replay was not kept" >&2; exit 1; }
# The player's own folder is never where a replay plays.
[[ ! -e $work/elsewhere/Documents ]] || { echo "the replay wrote into HOME" >&2; exit 1; }
