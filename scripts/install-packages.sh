#!/usr/bin/env bash
# Installs with apt whatever the build, the program and its tests need and
# the machine does not have yet. Does nothing when everything is there.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libqt6gui6 libgl-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgtest-dev libbenchmark-dev libnanoflann-dev coinor-libclp-dev zlib1g-dev liblemon-dev pkg-config fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
