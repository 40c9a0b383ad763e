#!/usr/bin/env bash
# Times Ferrymate's main window: start-up to the first shown window, and the PC
# view filled with a folder of FILES files, icons included (goal: under 0.5 s
# for 10,000). Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#   bench/window.sh [BUILD_DIR] [FILES] [RUNS]     (defaults build-window, 10000, 5)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-window}
ninja -C "$top/$build" -j2 window_bench >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec "$top/$build/tests/window/window_bench" "${2:-10000}" "${3:-5}"
