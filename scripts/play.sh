#!/usr/bin/env bash
# Builds Gigvale (release) and starts it from its run folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGIGVALE_TESTS=OFF >/dev/null
cmake --build "$build"
cd "$build/run"
exec ./gigvale
