#!/usr/bin/env bash
# Installs what building, running and testing Gigvale needs on Debian 12, by package name.
# Idempotent and quiet when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libfreeimage-dev
  libcairo2-dev libvorbis-dev fonts-dejavu-core
  libfreetype-dev fonts-dejavu-extra fonts-dseg fonts-dkg-handwriting
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils
  desktop-file-utils appstream file dpkg-dev
  xvfb xdotool x11-apps
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
