#!/usr/bin/env bash
# Times the XMODEM engine sending and receiving a 256 KB file against lrzsz
# (rx -X, sx -X) over a pseudo-terminal: wall time and the engine thread's CPU
# time, per transfer and per block (median of RUNS).
#   bench/link_xmodem.sh [BUILD_DIR] [RUNS]      (defaults build-link, 5)
# Needs lrzsz (rx, sx).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-link}
runs=${2:-5}
ninja -C "$top/$build" -j2 link_xmodem_bench >/dev/null
exec "$top/$build/tests/link/link_xmodem_bench" "$runs"
