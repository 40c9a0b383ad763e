#!/usr/bin/env bash
# Runs install-deps.sh as root: directly when we are root, through sudo otherwise.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -eq 0 ]; then
  bash "$here/install-deps.sh"
else
  sudo bash "$here/install-deps.sh"
fi
