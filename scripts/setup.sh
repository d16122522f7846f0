#!/usr/bin/env bash
# Installs the Debian packages The Vask needs to build, run and test.
# Only installs what is missing; prints the exact command when it cannot install.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libglew-dev libglu1-mesa-dev libpng-dev libglm-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick mesa-utils libgl1-mesa-dri
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: cannot install packages (not root, no sudo). Please run:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
