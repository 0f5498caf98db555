#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing.
set -euo pipefail
pkgs=(cmake g++ make ccache libgtest-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev qt6-svg-dev
      libqt6svg6-dev fonts-dseg fonts-roboto-unhinted fonts-liberation xvfb xauth pulseaudio
      desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
