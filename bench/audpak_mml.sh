#!/usr/bin/env bash
# Compiles a 60 KB MML score with audpak (with and without -s) and, beside
# it, times a process that only starts and exits.
#   bench/audpak_mml.sh [BUILD_DIR]      (default build-mml)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-mml}
audpak="$build/tools/audpak/audpak"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# four tracks of notes, loops, slides and settings, repeated to 60 KB
/usr/bin/python3 - "$work/score.mml" <<'PY'
import sys
block = ("#0 T140 O4 L8 V12 [2 CDEF GAB>C< : E~G ] @3 Q6 R4 C4.D8 "
         "#1 O3 L4 P2 V10 C E G E ; bass\n#2 O5 L16 @B1 @E2 c+d-e f^8 g& #3 N3 L8 [4 C R ] ")
text = ""
while len(text) < 60 * 1024:
    text += block
open(sys.argv[1], "w").write(text[: 60 * 1024])
PY
cd "$work"
"$audpak" score.mml >/dev/null
hyperfine --warmup 3 -N "$audpak score.mml" "$audpak -s score.mml" "/bin/true"
