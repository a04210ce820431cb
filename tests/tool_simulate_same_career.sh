#!/bin/sh
# A seed plays one career: run twice it gives the same lines, and it does not change when the
# run folder lacks the generated portrait pictures (a tool built on its own once did).
tool="$1"
days=200
first=$("$tool" simulate --seed 3 --days $days --strict 2>/dev/null) || { echo "simulate failed"; exit 1; }
again=$("$tool" simulate --seed 3 --days $days --strict 2>/dev/null) || { echo "simulate failed"; exit 1; }
[ "$first" = "$again" ] || { echo "the same seed played two careers"; exit 1; }
[ -d data/bitmaps/male_portraits ] || { echo "no portraits in the run folder"; exit 1; }
bare=$(mktemp -d) || exit 1
trap 'rm -rf "$bare"' EXIT
cp -r data "$bare/data"
rm -rf "$bare/data/bitmaps/male_portraits" "$bare/data/bitmaps/female_portraits"
without=$(cd "$bare" && "$tool" simulate --seed 3 --days $days --strict 2>/dev/null) ||
  { echo "simulate failed without portraits"; exit 1; }
[ "$first" = "$without" ] || { echo "the portraits changed the career:"; echo "$first" | tail -n 1;
  echo "$without" | tail -n 1; exit 1; }
echo "$first" | tail -n 1
