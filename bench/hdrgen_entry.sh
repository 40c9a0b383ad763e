#!/usr/bin/env bash
# Times hdrgen on the largest entry it builds (8388480 data bytes: a code
# file and 16 resources) and on a plain file wrapped with -f, then lists
# and splits the large entry; beside the start-up of hdrgen itself
# (--version).
#   bench/hdrgen_entry.sh [BUILD_DIR]      (default build-hdrgen)
# Needs hyperfine.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-hdrgen}
hdrgen="$top/$build/tools/hdrgen/hdrgen"
[ -x "$hdrgen" ] || { echo "hdrgen_entry.sh: build $hdrgen first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export SOURCE_DATE_EPOCH=1700000000

# 16 resources of 500000 bytes each ("VR" header, 31250 units) and code
# that fills the entry to 8388480 bytes.
resources=""
for i in $(seq 0 15); do
  { printf 'VRBM\x12\x7A%b\x00' "\\x$(printf %02x "$i")"; head -c 499992 /dev/urandom; } > "r$i.vr"
  resources="$resources r$i.vr"
done
head -c $((8388480 - 16 * 500000)) /dev/urandom > code.bin
printf 'name : bench\ninfo : largest entry\nmode : xwr\nsource : code.bin\nresource :%s\noutput : big.vx\n' \
  "$resources" > big.cf
head -c 8388480 /dev/urandom > plain.bin

"$hdrgen" big.cf
"$hdrgen" -i big.vx | tail -n 3
hyperfine -N --warmup 2 --runs 20 \
  -n version "$hdrgen --version" \
  -n build "$hdrgen big.cf" \
  -n wrap "$hdrgen -f plain.bin" \
  -n list "$hdrgen -i big.vx" \
  -n split "$hdrgen -r big.vx"
