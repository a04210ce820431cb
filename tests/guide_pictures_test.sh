#!/usr/bin/env bash
# Every picture the player's guide shows was made by the build, and the guide names no other file.
set -euo pipefail
guide=$1
pictures=$(grep -o 'src="[^"]*"' "$guide/index.html" | sed 's/^src="//; s/"$//')
[[ -n $pictures ]] || { echo "the guide shows no pictures" >&2; exit 1; }
missing=0
for picture in $pictures; do
  [[ -s $guide/$picture ]] || { echo "the guide shows $picture, which the build did not make" >&2; missing=1; }
done
exit $missing
