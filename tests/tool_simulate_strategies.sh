#!/bin/sh
# Plays short careers of every strategy and checks they all finish without a failed assertion,
# that the CSV holds one well-formed row per career and agrees with the text, and that the
# figures hold what each strategy's rules make certain (not the game's balance).
tool="$1"
csv="$2/strategies.csv"
rm -f "$csv"
out=$("$tool" simulate --strategy all --seeds 1..3 --years 2 --strict --csv "$csv" --table) ||
  { echo "simulate failed"; echo "$out"; exit 1; }
echo "$out"
fail() { echo "$1"; exit 1; }
echo "$out" | grep -qx 'asserts 0' || fail "assertions failed"
# The balance table ends the output: its header, then a row of twelve cells per strategy.
[ "$(echo "$out" | sed -n '/^| strategy |/,$p' | wc -l)" -eq 6 ] || fail "no balance table at the end"
for s in sensible idle random reckless; do
  [ "$(echo "$out" | grep -c "^$s seed [1-3] fame ")" -eq 3 ] || fail "not three $s careers"
  echo "$out" | grep -q "^$s over 3 careers:" || fail "no figures for $s"
  echo "$out" | grep -Eq "^\| $s \| 3 \|([^|]*\|){10}$" || fail "no table row for $s"
done
# The CSV: a header and twelve rows of eighteen cells, two years (168 days) each, no assertion.
[ "$(wc -l < "$csv")" -eq 13 ] || fail "the CSV does not hold 12 careers"
head -n 1 "$csv" | grep -q '^strategy,seed,days,fame,money_earned,' || fail "no CSV header"
bad=$(tail -n +2 "$csv" | awk -F, 'NF != 18 || $3 != 168 || $16 != 0' | wc -l)
[ "$bad" -eq 0 ] || fail "$bad malformed CSV rows"
# The same career in both forms: the text's gig count is the CSV's.
text_gigs=$(echo "$out" | grep '^sensible seed 2 ' | sed 's/.* gigs \([0-9]*\) albums.*/\1/')
csv_gigs=$(awk -F, '$1 == "sensible" && $2 == 2 { print $11 }' "$csv")
[ -n "$text_gigs" ] && [ "$text_gigs" = "$csv_gigs" ] || fail "gigs differ: text $text_gigs, CSV $csv_gigs"
# An idle band hires nobody: no gig, no album, nobody to resign, never beyond the first stage.
idle=$(awk -F, '$1 == "idle" && ($8 != 0 || $11 != 0 || $12 != 0 || $14 != 0)' "$csv")
[ -z "$idle" ] || fail "the idle band did something: $idle"
# A sensible band gets going within two years: it writes the songs for gigs and plays them.
playing=$(awk -F, '$1 == "sensible" && $11 > 0' "$csv" | wc -l)
[ "$playing" -eq 3 ] || fail "only $playing sensible careers played a gig"
# The same seed plays the same career.
again=$("$tool" simulate --strategy random --seeds 2 --years 2 | grep '^random seed 2 ')
[ "$again" = "$(echo "$out" | grep '^random seed 2 ')" ] || fail "seed 2 played differently: $again"
# With a strategy, "--seed S" plays that one seed.
one=$("$tool" simulate --strategy idle --seed 3 --years 1 | grep -c '^idle seed ')
[ "$one" -eq 1 ] && "$tool" simulate --strategy idle --seed 3 --years 1 | grep -q '^idle seed 3 ' ||
  fail "--seed 3 did not play seed 3 alone"
# Arguments the verb refuses.
for args in "--strategy lazy" "--seeds 3..1" "--seeds x..2" "--years -1" "--strategy idle --save x.sav"; do
  "$tool" simulate $args >/dev/null 2>&1
  [ $? -eq 2 ] || fail "simulate $args was not refused"
done
exit 0
