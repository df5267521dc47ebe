#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages that building, running and testing Pindrel need.
# Packages already present are skipped, so a second run costs a few seconds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev libqt6webenginecore6-bin libjpeg-dev
  libcurl4-openssl-dev
  qt6-image-formats-plugins qt6-wayland
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev ffmpeg
  libyuv-dev
  libgtest-dev libgmock-dev libbenchmark-dev libjpeg-turbo-progs
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core fonts-droid-fallback locales xvfb xauth
  openbox xdotool x11-utils imagemagick python3 desktop-file-utils appstream
)
# With --tests, also clang with libFuzzer for the fuzz targets, the Wayland test's compositor,
# and what the real sound test needs: it starts a PulseAudio server of its own.
# Where PipeWire serves the desktop's sound, installing PulseAudio could take it over, so it
# is left out there and that test is skipped.
if [ "${1:-}" = "--tests" ]; then
  packages+=(pulseaudio-utils sox clang libclang-rt-dev weston)
  dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q "install ok installed" ||
    packages+=(pulseaudio)
fi
# With --package, what scripts/package.sh builds and checks the Debian package with.
if [[ " $* " == *" --package "* ]]; then
  packages+=(debhelper dpkg-dev lintian fakeroot)
fi

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
