#!/bin/sh
# A save loaded and written again is the same file, byte for byte; damaged copies (letters in a
# number, a renamed tag, a cut) are refused with exit code 2, the file and the tag, and no output.
tool="$1"
dir="$2"
a="$dir/resave_a.xml"
b="$dir/resave_b.xml"
rm -f "$a" "$b"
"$tool" simulate --seed 7 --days 500 --save "$a" >/dev/null || { echo "simulate failed"; exit 1; }
"$tool" resave "$a" "$b" || { echo "resave failed"; exit 1; }
cmp "$a" "$b" || { echo "the save written again differs"; exit 1; }
sed 's|<turncount>|<turncount>x|' "$a" >"$dir/resave_letters.xml"
sed 's|<possesions>|<possessions>|' "$a" >"$dir/resave_renamed.xml"
head -c 30000 "$a" >"$dir/resave_cut.xml"
for damaged in resave_letters.xml:turncount resave_renamed.xml:possesions resave_cut.xml:"missing tag"; do
  file=${damaged%%:*}
  tag=${damaged#*:}
  rm -f "$dir/resave_out.xml"
  err=$("$tool" resave "$dir/$file" "$dir/resave_out.xml" 2>&1)
  rc=$?
  [ $rc -eq 2 ] || { echo "$file: exit $rc, not 2"; exit 1; }
  echo "$err" | grep -q "$file: .*$tag" || { echo "$file: unclear message: $err"; exit 1; }
  [ ! -e "$dir/resave_out.xml" ] || { echo "$file: written although refused"; exit 1; }
  echo "$err"
done
