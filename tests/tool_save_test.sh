#!/bin/sh
# A mid-career save (albums, a record deal, endorsements) reads back whole; a cut copy and a
# copy naming an unknown album are refused with exit code 2 and the file's name.
tool="$1"
dir="$2"
save="$dir/mid_career.xml"
# Not every career is signed by a record company: the first of a few seeds that is.
for seed in 1 2 3 4 5 6 7 8 9 10; do
  "$tool" simulate --seed $seed --days 840 --save "$save" >/dev/null || { echo "simulate failed"; exit 1; }
  out=$("$tool" check-save "$save") || { echo "mid-career save refused: $out"; exit 1; }
  echo "$out" | grep -q 'record company deal' && break
done
echo "$out"
echo "$out" | grep -q 'albums [1-9]' || { echo "no albums in the save"; exit 1; }
echo "$out" | grep -q 'record company deal' || { echo "no record deal in the save"; exit 1; }
head -c 20000 "$save" >"$dir/cut.xml"
sed 's|<albumslid>-1</albumslid>|<albumslid>77777</albumslid>|' "$save" >"$dir/unknown_album.xml"
for damaged in cut.xml unknown_album.xml; do
  err=$("$tool" check-save "$dir/$damaged" 2>&1)
  rc=$?
  [ $rc -eq 2 ] || { echo "$damaged: exit $rc, not 2"; exit 1; }
  echo "$err" | grep -q "$damaged: " || { echo "$damaged: unclear message: $err"; exit 1; }
  echo "$err"
done
