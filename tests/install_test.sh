#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the installation as a desktop and a player
# meet it.
#   install_test.sh BUILD desktop-files: the desktop entry and the metainfo pass their validators,
#     and the icon is there in every size of the icon theme.
#   install_test.sh BUILD runs-anywhere: the installed tool and game find their data from their own
#     location in another working directory, write nothing into it nor into the installation, and
#     without the data folder both say so and fail.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
mode=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
id=io.github.gigvale.Gigvale
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "FAIL: $*"; exit 1; }

if [[ $mode == desktop-files ]]; then
  desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
  for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "icon $icon: $(file -b "$icon" 2>&1)"
  done
  echo "desktop entry, metainfo and 7 icon sizes are valid"
  exit 0
fi
[[ $mode == runs-anywhere ]] || fail "unknown mode $mode"

bin="$root/usr/bin"
share="$root/usr/share/gigvale"
[[ -x $bin/gigvale && -x $bin/gigvale-tool && -f $share/config.txt ]] || fail "bin/ and share/gigvale/ not installed"
home="$work/home"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$elsewhere"
cd "$elsewhere"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
listing() { find "$root" -printf '%p %s %T@\n' | sort; }
before=$(listing)

out=$("$bin/gigvale-tool" validate-data) || { echo "$out"; fail "validate-data on the installed data"; }
echo "$out" | tail -n 1 | grep -q "^0 problems in $share " || fail "validate-data did not check $share: $out"
"$bin/gigvale-tool" simulate --seed 3 --days 20 --strict >/dev/null || fail "simulate from $elsewhere"
printf 'frames 20\nexpect-text New Career\n' >menu.play
"$bin/gigvale-tool" play-script menu.play --out shots >/dev/null || fail "play-script from $elsewhere"

# The game itself: it loads, runs frames and stops cleanly on SIGTERM, writing only its user files.
"$here/game_smoke_test.sh" "$bin/gigvale" || fail "the installed game"
[[ -z $(ls -A "$elsewhere" | grep -v -x -e menu.play -e shots) ]] || fail "files written into the working directory: $(ls -A "$elsewhere")"
[[ $(listing) == "$before" ]] || fail "the installation changed: $(diff <(echo "$before") <(listing) | head)"

# Without its data folder, each program says where it looked and fails.
mv "$share" "$share.away"
set +e
toolOut=$("$bin/gigvale-tool" simulate --days 5 2>&1); toolStatus=$?
gameOut=$("$bin/gigvale" 2>&1); gameStatus=$?
set -e
[[ $toolStatus -ne 0 && $toolOut == *"data folder was not found"*"$share"* ]] || fail "the tool without data: $toolStatus $toolOut"
[[ $gameStatus -ne 0 && $gameOut == *"data folder was not found"*"$share"* ]] || fail "the game without data: $gameStatus $gameOut"
echo "installed tool and game ran from $elsewhere; without data: $gameOut"
