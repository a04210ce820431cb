#!/bin/sh
# validate-data passes on the staged data and fails, naming the key, on copies with one tuning
# value or one text removed.
tool="$1"
work="$2/validate-data"
out=$("$tool" validate-data) || { echo "the staged data has problems:"; echo "$out"; exit 1; }
echo "$out" | tail -n 1
rm -rf "$work" && mkdir -p "$work" || exit 1
check_removed() {  # file key
  copy="$work/$2"
  cp -r data "$copy" || exit 1
  grep -v "^$2=" "data/$1" >"$copy/$1"
  out=$("$tool" validate-data "$copy")
  rc=$?
  [ $rc -eq 1 ] || { echo "without $2: exit $rc, not 1"; echo "$out"; exit 1; }
  echo "$out" | grep -q "^$1: $2: .*missing" || { echo "without $2: the key is not named:"; echo "$out"; exit 1; }
  echo "$out" | grep "^$1: $2: "
  rm -rf "$copy"
}
check_removed config.txt GAME_DURATION_YEARS
check_removed strings.ini GAMEMODE_DREAMER
"$tool" validate-data "$work/no-such-folder" && { echo "a missing folder passed"; exit 1; }
exit 0
