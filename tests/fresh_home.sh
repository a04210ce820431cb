# Sourced by the tests that run the game: an empty user folder of their own (removed when they
# end) and the dummy video and sound drivers.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
