#!/usr/bin/env bash
# Times imgpak on a 2040 x 2040 256-colour picture (the largest it takes):
# a resource, an entry and a C header, beside the start-up of a process
# that does nothing (/bin/true) and of imgpak itself (--version).
#   bench/imgpak_convert.sh [BUILD_DIR]      (default build-imgpak)
# Needs hyperfine, python3-pil (/usr/bin/python3).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-imgpak}
imgpak="$top/$build/tools/imgpak/imgpak"
[ -x "$imgpak" ] || { echo "imgpak_convert.sh: build $imgpak first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# Four greys over most of the picture and a band of colour: every pixel
# goes through the survey and the level table.
/usr/bin/python3 - <<'PY'
from PIL import Image
side = 2040
grey = Image.linear_gradient("L").resize((side, side))
grey.convert("P").save("grey.bmp")
colour = Image.radial_gradient("L").resize((side, side)).convert("RGB")
colour.paste((255, 0, 255), (0, 0, side, 64))
colour.quantize(256).save("colour.bmp")
mono = grey.convert("1")
mono.save("mono.bmp")
PY
ls -l grey.bmp colour.bmp mono.bmp

hyperfine --warmup 3 --min-runs 20 -N \
  --command-name "true (a process that does nothing)" "/bin/true" \
  --command-name "imgpak --version" "$imgpak --version" \
  --command-name "256 colours -> .vr" "$imgpak grey.bmp grey.vr" \
  --command-name "3 colours -> .vx" "$imgpak -e colour.bmp colour.vx" \
  --command-name "256 colours -> .h" "$imgpak -c grey.bmp grey.h" \
  --command-name "mono -> .vr" "$imgpak mono.bmp mono.vr"
