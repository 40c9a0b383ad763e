#!/usr/bin/env bash
# Times reading a PC folder of 10,000 entries into a listing and each of the
# three sort orders on it (goals: reading under 100 ms, each sort under 10 ms).
#   bench/listing_bench.sh [BUILD_DIR]      (default build-listing)
# The folder was just written, so its entries are in the page cache: these are warm reads.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-listing}
bench="$top/$build/tests/listing/listing_bench"
[ -x "$bench" ] || { echo "listing_bench.sh: build $bench first" >&2; exit 1; }
# Names are compared in the user's locale; without one, C.UTF-8 is used.
"$bench"
