#!/usr/bin/env bash
# Installs every Debian package the kit needs to build, run and test, on Debian 12, as root.
# Both README commands and CI call this one script, so the list lives only here.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  # libraries
  libgtest-dev libgmock-dev qt6-base-dev qt6-base-dev-tools libgl-dev
  # Ferrymate at run time: Japanese fonts, an X server for machines without a display
  fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth openbox imagemagick
  # independent peers and real-input generators used by the tests
  lrzsz socat sox python3 python3-pil hyperfine
)

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root (apt-get needs it)" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
