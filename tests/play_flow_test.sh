#!/usr/bin/env bash
# Plays one flow script through the real game with a fresh user folder; the shots go to OUT.
# A script with the line "# fixture: NAME DAYS" finds the seed-1 career of the headless player
# DAYS days in, saved as NAME in that folder (load it with "load NAME"); "# fixture: career"
# alone is the band in its second season, 114 days in. A script may ask for several.
set -euo pipefail
tool=$1
script=$2
out=$3
source "$(dirname "$0")/fresh_home.sh"
saves="$home/Documents/gigvale/savegames"
while read -r name days; do
  [[ $name =~ ^[A-Za-z0-9_-]+$ && ${days:=114} =~ ^[0-9]+$ ]] || { echo "bad fixture line: $name $days" >&2; exit 2; }
  mkdir -p "$saves"
  (cd "$(dirname "$tool")" && "$tool" simulate --seed 1 --days "$days" --save "$saves/$name.xml" >/dev/null)
done < <(sed -n 's/^# fixture: *//p' "$script")
exec "$tool" play-script "$script" --out "$out"
