#!/usr/bin/env bash
# Plays ten-year careers of the sensible player through the real game's screens for seeds 1..10
# (play-career, Release build, as many at once as there are cores) and prints a table: seed,
# fame, money earned, cash, gigs, albums, deal, stage, resident memory at the first and the last
# yearly review (a career of Y years shows Y - 1: the last day ends it), failures; then the medians of fame and money earned. Exits 1 when a career failed.
# Usage: scripts/play-careers.sh [FIRST LAST [YEARS]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
first=${1:-1} last=${2:-10} years=${3:-10}
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target gigvale-tool >/dev/null
source "$root/tests/fresh_home.sh"

play() {
  local seed=$1 status=0
  # A user folder each: every career saves and loads under the same name.
  mkdir -p "$home/seed$seed"
  (cd "$build/run" && HOME="$home/seed$seed" XDG_CONFIG_HOME="$home/seed$seed/.config" \
    ./gigvale-tool play-career --seed "$seed" --years "$years") >"$home/seed$seed.txt" 2>&1 || status=$?
  echo "$status" >"$home/seed$seed.rc"
}
jobs=$(nproc)
for ((seed = first; seed <= last; seed++)); do
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n; done
  play "$seed" &
done
wait

echo "| seed | fame | money earned | cash | gigs | albums | deal | stage | memory at the first / last yearly review | failures |"
echo "|---|---|---|---|---|---|---|---|---|---|"
failed=0 fames=() earnings=()
for ((seed = first; seed <= last; seed++)); do
  log="$home/seed$seed.txt"
  end=$(grep '^end: ' "$log" | tail -1 || true)
  field() { sed -n "s/.* $1 \([^ ]*\) .*/\1/p" <<<"$end"; }
  rss() { { grep '^yearly review ' "$log" || true; } | sed -n "$1s/.* rss \([0-9]*\) MB.*/\1/p"; }
  failures=$(grep -c 'play-career: ' "$log" || true)
  status=$(cat "$home/seed$seed.rc")
  if [[ $status -ne 0 ]]; then
    failed=1
    # A career that died (a crash) says so in its status alone.
    why=$( (grep -m1 'play-career: ' "$log" || echo "exit status $status, last line: $(tail -1 "$log")") | cut -c1-120)
    failures="$failures ($why)"
  fi
  fames+=("$(field fame)") earnings+=("$(field earned)")
  printf '| %s | %s | $%s | $%s | %s | %s | %s | %s | %s / %s MB | %s |\n' "$seed" "$(field fame)" "$(field earned)" \
    "$(field cash)" "$(field played)" "$(field albums)" "$(field deal)" "$(field stage)" "$(rss 1)" "$(rss '$')" \
    "$failures"
done
median() { printf '%s\n' "$@" | { grep . || true; } | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
echo
echo "median fame $(median "${fames[@]}"), median money earned \$$(median "${earnings[@]}")"
exit "$failed"
