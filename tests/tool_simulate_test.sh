#!/bin/sh
# Runs a 1000-day career on the real data and checks what it reports: it must exit 0 under
# --strict, pass more than ten yearly reviews, and end the game before the review that shares
# its date, which then follows a day later.
tool="$1"
out=$("$tool" simulate --seed 1 --days 1000 --strict) || { echo "simulate failed"; echo "$out"; exit 1; }
echo "$out"
reviews=$(echo "$out" | grep -c '^yearly review')
[ "$reviews" -ge 10 ] || { echo "only $reviews yearly reviews"; exit 1; }
echo "$out" | grep -q '^game end: July 2017 day 3 ' || { echo "no game end on its date"; exit 1; }
after=$(echo "$out" | grep -A1 '^game end' | tail -n 1)
echo "$after" | grep -q '^yearly review 10: July 2017 day 4 ' || { echo "review does not follow the end: $after"; exit 1; }
before=$(echo "$out" | grep -B1 '^game end' | head -n 1)
echo "$before" | grep -q '^yearly review 9: July 2016 day 3 ' || { echo "unexpected line before the end: $before"; exit 1; }
# The first group of a review line's pattern: review_figure N 'sed pattern with one group'.
review_figure() { echo "$out" | grep "^yearly review $1:" | sed "s/$2/\\1/"; }
# The band is hired through auditions in the first days and lives its days from then on.
echo "$out" | grep -q '^yearly review 1: .* members 3 happiness [0-9.]* chemistry [0-9.]* resignations [0-9]* assets [0-9]* stage show [0-9.]* rehearsals [0-9]* cancelled [0-9]* ' ||
  { echo "no band in the first review"; exit 1; }
first=$(review_figure 1 '.*happiness \([0-9.]*\).*')
last=$(review_figure 9 '.*happiness \([0-9.]*\).*')
[ "$first" != "$last" ] || { echo "happiness never changed"; exit 1; }
# The player writes songs through the puzzle once the line-up is complete.
written=$(review_figure 9 '.* written \([0-9]*\).*')
[ "$written" -ge 10 ] || { echo "only $written songs written"; exit 1; }
# With enough songs it books the gigs it can afford (played once gigs can be played).
booked=$(review_figure 9 '.* gigs booked \([0-9]*\).*')
[ "$booked" -ge 5 ] || { echo "only $booked gigs booked"; exit 1; }
# The booked gigs are played, to a growing crowd, and the band's fame grows with them.
played=$(review_figure 9 '.* played \([0-9]*\) audience.*')
[ "$played" -ge 24 ] || { echo "only $played gigs played"; exit 1; }
fame1=$(review_figure 1 '.* fame \([0-9]*\)\..*')
fame9=$(review_figure 9 '.* fame \([0-9]*\)\..*')
[ "$fame9" -gt "$fame1" ] || { echo "fame did not grow: $fame1 to $fame9"; exit 1; }
# It spends its savings on gear: by the last review it owns some and its show has grown.
gear=$(echo "$out" | grep '^yearly review 9:' | sed 's/.* assets \([0-9]*\) stage show \([0-9.]*\) rehearsals.*$/\1 \2/')
[ "${gear%% *}" -gt 0 ] && [ "${gear##* }" != "0.01" ] || { echo "no gear bought: $gear"; exit 1; }
# Once there are songs the band rehearses, and a lazy member now and then calls one off.
held=$(review_figure 9 '.* rehearsals \([0-9]*\) cancelled.*')
[ "$held" -ge 20 ] || { echo "only $held rehearsals"; exit 1; }
# On Fridays the player practises: melodies are mastered and the tempo rises.
mastered=$(review_figure 9 '.* melodies mastered \([0-9]*\) bpm.*')
[ "$mastered" -ge 40 ] || { echo "only $mastered melodies mastered"; exit 1; }
tempo=$(review_figure 9 '.* bpm \([0-9]*\)\/.*')
[ "$tempo" -gt 100 ] || { echo "the practice tempo never rose: $tempo"; exit 1; }
# With eight songs on no album the band goes into the studio.
albums=$(review_figure 9 '.* albums \([0-9]*\) sold [0-9]* deal [a-z]* stage [0-3] .*')
[ "$albums" -ge 1 ] || { echo "no album recorded: $albums"; exit 1; }
# It takes up publicity while its hype is low.
publicity=$(review_figure 9 '.* publicity \([0-9]*\) relaxed.*')
[ "$publicity" -ge 10 ] || { echo "only $publicity publicity events"; exit 1; }
# The world around the band: charities ask for free gigs and rival bands play gigs worth
# watching.
world=$(echo "$out" | grep '^yearly review 9:' | sed 's/.* charity gigs \([0-9]*\) rival gigs watched \([0-9]*\) .*/\1 \2/')
[ "${world%% *}" -gt 0 ] && [ "${world##* }" -gt 0 ] || { echo "no charity or rival gigs: $world"; exit 1; }
# It takes days off, now and then.
relaxed=$(review_figure 9 '.* relaxed \([0-9]*\) members.*')
[ "$relaxed" -ge 5 ] || { echo "only $relaxed days off"; exit 1; }
echo "$out" | tail -n 1 | grep -q '^end: .* turncount 999 .* asserts 0$' || { echo "bad final line"; exit 1; }
