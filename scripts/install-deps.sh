#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing Pindrel need.
# Packages already present are skipped, so a second run costs a few seconds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libjpeg-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev ffmpeg
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core xvfb xauth
  openbox xdotool x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
