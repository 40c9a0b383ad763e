#!/usr/bin/env bash
# XMODEM goodput against cartsim at 38400 baud (paced at 10 bits per byte):
# put and get of an entry through ferrymate/link, and the same image sent to
# the monitor mode by ferrymate/link and by lrzsz's sx -X.
#   bench/cartsim_xmodem.sh [BUILD_DIR] [KILOBYTES]   (defaults build-cartsim, 256)
# Needs the link component in the build and lrzsz (sx). 256 KB takes about
# 70 s per transfer, four transfers in all.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-cartsim}
kilobytes=${2:-256}
ninja -C "$top/$build" -j2 cartsim_xmodem_bench >/dev/null
exec "$top/$build/tests/cartsim/cartsim_xmodem_bench" "$kilobytes"
