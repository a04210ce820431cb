#!/usr/bin/env bash
# Plays the scripts of a new player's first session with an empty user folder, then a second
# session in a fresh process with the same folder that loads the save it left. The shots go to
# OUT (the README's "Screens" section lists them).
set -euo pipefail
tool=$1
scripts=$2
out=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
"$tool" play-script "$scripts/first_session.play" --out "$out"
save="$home/Documents/gigvale/savegames/first.xml"
[[ -s "$save" ]] || { echo "FAIL: no save file $save"; exit 1; }
grep -q "<band_name>The Night Buses</band_name>" "$save" || { echo "FAIL: the save holds another band"; exit 1; }
"$tool" play-script "$scripts/load_first.play" --out "$out"
echo "both sessions played"
