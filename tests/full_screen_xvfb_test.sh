#!/usr/bin/env bash
# Runs the full-screen check on a 1280x1024 X server of its own with no window manager, on the
# software renderer and on the accelerated one (which falls back to software where the server
# has no GL). Skipped (77) where Xvfb, xwd or xdotool is missing.
set -euo pipefail
check=$1
work=$(mktemp -d)
source "$(dirname "$0")/xvfb_server.sh"
start_xvfb Xvfb xwd xdotool
"$check" software
"$check" accelerated
