#!/usr/bin/env bash
# Plays the scripts of a new player's first session with an empty user folder, then a second
# session in a fresh process with the same folder that loads the save it left, then a third
# through the menus' harder cases. The shots go to
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
# A third session meets a damaged save beside the good one.
printf '<xml>\n<header>\n<version>1.17</version>\n</header>\n<load_data>\n<avatar_texture>mavatar1.jpg</avatar_texture>\n' \
  >"$home/Documents/gigvale/savegames/broken.xml"
"$tool" play-script "$scripts/menus.play" --out "$out"
options="$home/Documents/gigvale/player_options.txt"
grep -q "ENABLEAUTOSAVE = 0" "$options" || { echo "FAIL: the options were not saved on leaving"; cat "$options"; exit 1; }
[[ ! -e "$home/Documents/gigvale/savegames/broken.xml" ]] || { echo "FAIL: the damaged save was not deleted"; exit 1; }
grep -q "<skin>neon</skin>" "$home/Documents/gigvale/savegames/first.xml" || { echo "FAIL: the chosen skin was not saved"; exit 1; }
elapsed=$(sed -n 's:.*<elapsed>\(.*\)</elapsed>.*:\1:p' "$save")
[[ "$elapsed" != "0.000" && -n "$elapsed" ]] || { echo "FAIL: no play time in the save ($elapsed)"; exit 1; }
echo "three sessions played"
