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
./gigvale-tool simulate --strategy all --seeds "$seeds" --csv "$csv" >"$build/balance.txt"
# Columns: 1 strategy, 4 fame, 5 money earned, 6 peak cash, 7 final cash, 8 stage, 10 gigging day,
# 11 gigs, 12 albums, 13 copies sold, 14 resignations, 15 deal, 16 asserts.
awk -F, -v year=84 '
  function median(list, n,   sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = list[i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) {
      t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  function money(v,   sign, digits, out) {
    sign = v < 0 ? "-" : ""; digits = sprintf("%.0f", v < 0 ? -v : v); out = ""
    while (length(digits) > 3) { out = "," substr(digits, length(digits) - 2) out; digits = substr(digits, 1, length(digits) - 3) }
    return sign "$" digits out
  }
  NR > 1 {
    s = $1; n[s]++; k = n[s]
    fame[s, k] = $4; earned[s, k] = $5; final[s, k] = $7; gigs[s, k] = $11
    if ($8 > top[s]) top[s] = $8
    if ($10 >= 0 && $10 <= year) early[s]++
    if ($15 == "yes") deal[s]++
    if ($14 > 0) quit[s]++
    if ($7 < 0) broke[s]++
    asserts[s] += $16
    if (!(s in seen)) { seen[s] = 1; order[++count] = s }
  }
  END {
    print "| strategy | careers | median fame at the end | median money earned | median final cash | median gigs | gigging in year 1 | highest stage | record deal | a resignation | negative final cash | GameAsserts |"
    print "|---|---|---|---|---|---|---|---|---|---|---|---|"
    for (c = 1; c <= count; c++) {
      s = order[c]; m = n[s]
      for (i = 1; i <= m; i++) { f[i] = fame[s, i]; e[i] = earned[s, i]; x[i] = final[s, i]; g[i] = gigs[s, i] }
      printf "| %s | %d | %.1f | %s | %s | %.0f | %.0f%% | %d | %.0f%% | %.0f%% | %.0f%% | %d |\n", s, m,
        median(f, m), money(median(e, m)), money(median(x, m)), median(g, m), 100 * early[s] / m, top[s],
        100 * deal[s] / m, 100 * quit[s] / m, 100 * broke[s] / m, asserts[s]
    }
  }' "$csv"
