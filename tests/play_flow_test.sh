#!/usr/bin/env bash
# Plays one flow script through the real game with a fresh, empty user folder; the shots go to OUT.
set -euo pipefail
tool=$1
script=$2
out=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
exec "$tool" play-script "$script" --out "$out"
