#!/usr/bin/env bash
# Times audpak on the largest inputs it accepts: an instrument set that
# fills the 65534-byte buffer (with and without its listing), a 1 MiB
# instrument text that is mostly comments, and a 65518-sample wave.
#   bench/audpak_frame.sh [BUILD_DIR]     (default build-audpak)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-audpak}
audpak="$top/$build/tools/audpak/audpak"
[ -x "$audpak" ] || { echo "no $audpak; build it first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

/usr/bin/python3 - <<'PY'
lines = []
for i in range(2000):
    lines.append("@W%d %s" % (i, " ".join(str((i + k) % 256) for k in range(16))))
for i in range(800):
    lines.append("@E%d $7F00 $7000 [ $6000 $5000 ] $100 $80" % i)
for i in range(700):
    lines.append("@V%d 1 2 [ 3 -3 ]" % i)
for i in range(500):
    lines.append("@P%d 1,2,3,4,5,6,7,8" % i)
open("full.prg", "w").write("\n".join(lines) + "\n")
comment = "; " + "x" * 1000 + "\n"
open("comments.prg", "w").write(comment * 1000 + "@P0 1 2 3\n")
PY
sox -n -r 65518 -b 8 -c 1 voice.wav synth 1 sine 440

"$audpak" -i full.prg full.vr
hyperfine --warmup 3 --runs 30 -N \
  "$audpak -i full.prg full.vr" \
  "$audpak -i -s full.prg full.vr" \
  "$audpak -i comments.prg comments.vr" \
  "$audpak -w voice.wav voice.vr"
