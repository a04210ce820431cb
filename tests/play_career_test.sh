#!/usr/bin/env bash
# A year of a sensible career played through the real game's screens with a fresh user folder:
# it must get through the year (no stuck screen, no text out of its window, no assertion), reach
# the first yearly review, and have met the screens a first year of gigging needs.
set -euo pipefail
tool=$1
shots=$2
source "$(dirname "$0")/fresh_home.sh"
out="$home/career.txt"
(cd "$(dirname "$tool")" && "$tool" play-career --seed 1 --years 1 --shots "$shots") | tee "$out"
fail() { echo "play_career: $*" >&2; exit 1; }
grep -q '^yearly review 1: ' "$out" || fail "no yearly review line"
grep -q '^end: .* asserts 0$' "$out" || fail "no final line without assertions"
for screen in "new game" "auditions" "audition picker" "daily options" "songwriting" "book gig" "gig" \
              "rehearsal" "practice" "yearly review"; do
  grep -q "^screens visited.*[:,] $screen\(,\|$\)" "$out" || fail "the screen \"$screen\" was never visited"
done
played=$(sed -n 's/^end: .* played \([0-9]*\) .*/\1/p' "$out")
[[ ${played:-0} -ge 1 ]] || fail "no gig played in the year"
[[ -f "$shots/daily-options.png" ]] || fail "no shot of the day's options"
