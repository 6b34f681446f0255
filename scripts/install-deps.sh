#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with.
# Idempotent: does nothing (and needs no network) when everything is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6 qt6-qpa-plugins
  libgl-dev
  libjpeg-dev libzip-dev libtomlplusplus-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  gnome-cards-data kdegames-card-data-kf5 breeze-icon-theme fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
