#!/usr/bin/env bash
# Plays ten-year careers of the sensible player through the real game's screens for seeds 1..10
# (play-career, Release build) and prints a table: seed, fame, cash, gigs, albums, deal, failures.
# Usage: scripts/play-careers.sh [FIRST LAST [YEARS]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
first=${1:-1} last=${2:-10} years=${3:-10}
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target gigvale-tool >/dev/null
source "$root/tests/fresh_home.sh"
echo "| seed | fame | cash | gigs | albums | deal | failures |"
echo "|---|---|---|---|---|---|---|"
for ((seed = first; seed <= last; seed++)); do
  log="$home/seed$seed.txt"
  status=0
  (cd "$build/run" && ./gigvale-tool play-career --seed "$seed" --years "$years") >"$log" 2>&1 || status=$?
  end=$(grep '^end: ' "$log" | tail -1)
  field() { sed -n "s/.* $1 \([^ ]*\) .*/\1/p" <<<"$end"; }
  failures=$(grep -c 'play-career: ' "$log" || true)
  [[ $status -eq 0 ]] || failures="$failures ($(grep -m1 'play-career: ' "$log" | cut -c1-120))"
  printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$seed" "$(field fame)" "$(field cash)" "$(field played)" \
    "$(field albums)" "$(field deal)" "$failures"
done
