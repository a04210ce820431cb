#!/usr/bin/env bash
# Plays one flow script through the real game with a fresh user folder; the shots go to OUT.
# A script with the line "# fixture: career" finds a career of the headless player, a band in
# its second season, saved as "career" in that folder (load it with "load career").
set -euo pipefail
tool=$1
script=$2
out=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
if grep -qx "# fixture: career" "$script"; then
  mkdir -p "$home/Documents/gigvale/savegames"
  (cd "$(dirname "$tool")" && "$tool" simulate --seed 1 --days 114 --save "$home/Documents/gigvale/savegames/career.xml" >/dev/null)
fi
exec "$tool" play-script "$script" --out "$out"
