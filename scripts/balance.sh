#!/usr/bin/env bash
# Measures the game's balance: a Release build of gigvale-tool plays a career of every strategy
# for each of seeds 1..100 (the full game length) and prints the figures the README's balance
# table holds, as a Markdown table; every career is kept in balance.csv in the build folder
# (build/release, or $GIGVALE_BALANCE_BUILD).
# Usage: scripts/balance.sh [FIRST..LAST]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seeds=${1:-1..100}
"$root/scripts/install-deps.sh"
build=${GIGVALE_BALANCE_BUILD:-$root/build/release}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGIGVALE_TESTS=OFF >/dev/null
cmake --build "$build" --target gigvale-tool >/dev/null
csv="$build/balance.csv"
cd "$build/run"
./gigvale-tool simulate --strategy all --seeds "$seeds" --csv "$csv" --table >"$build/balance.txt"
# The table follows the last career's summary.
sed -n '/^| strategy |/,$p' "$build/balance.txt"
