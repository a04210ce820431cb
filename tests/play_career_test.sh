#!/usr/bin/env bash
# Two years of a sensible career played through the real game's screens with a fresh user
# folder: it must get through them (no stuck screen, no text out of its window, no assertion),
# show the career's chart at both yearly reviews, come back whole from a save and a load through
# the menus, and have met the screens a first year of gigging needs.
set -euo pipefail
tool=$1
source "$(dirname "$0")/fresh_home.sh"
out="$home/career.txt"
(cd "$(dirname "$tool")" && "$tool" play-career --seed 1 --years 2) | tee "$out"
fail() { echo "play_career: $*" >&2; exit 1; }
grep -q '^yearly review 2: .* rss [0-9]* MB$' "$out" || fail "no second yearly review with its memory"
grep -q '^saved and loaded: ' "$out" || fail "the career was never saved and loaded"
grep -q '^end: .* asserts 0$' "$out" || fail "no final line without assertions"
for screen in "new game" "auditions" "audition picker" "daily options" "songwriting" "book gig" "gig" \
              "rehearsal" "practice" "yearly review" "new album" "mixing desk"; do
  grep -q "^screens visited.*[:,] $screen\(,\|$\)" "$out" || fail "the screen \"$screen\" was never visited"
done
played=$(sed -n 's/^end: .* played \([0-9]*\) .*/\1/p' "$out")
[[ ${played:-0} -ge 8 ]] || fail "only ${played:-0} gigs played in two years"
