#!/usr/bin/env bash
# Installs what the kit needs, builds it, and shows Ferrymate working: the
# cartridge simulator runs on a pseudo-terminal with a few entries in each
# area (made with the kit's own hdrgen), COM1 stands for it during this run,
# and Ferrymate starts connected to it. Without a display, Ferrymate runs
# under Xvfb and a screenshot of the connected window is saved.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

demo=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$demo"
}
trap cleanup EXIT

hdrgen="$top/build/tools/hdrgen/hdrgen"
mkdir -p "$demo/rom0" "$demo/ram0"
printf 'Hello, Pocketforge!\n' >"$demo/rom0/hello.txt"
head -c 3000 /dev/urandom >"$demo/rom0/tiles.bin"
printf 'score=1200\n' >"$demo/ram0/save.txt"
printf 'stage=3\n' >"$demo/ram0/state.txt"
echo "== hdrgen -f wraps the sample files into entries"
for file in "$demo"/rom0/*.* "$demo"/ram0/*.*; do
  (cd "$(dirname "$file")" && "$hdrgen" -f "$(basename "$file")" >/dev/null)
done

echo "== cartsim plays the cartridge on a pseudo-terminal"
"$top/build/tools/cartsim/cartsim" --link "$demo/line" --seed-rom0 "$demo/rom0" --seed-ram0 "$demo/ram0" \
  >"$demo/cartsim.out" 2>"$demo/cartsim.err" &
pids+=($!)
for _ in $(seq 100); do [ -e "$demo/line" ] && break; sleep 0.1; done
[ -e "$demo/line" ] || { echo "cartsim did not start:"; cat "$demo/cartsim.err"; exit 1; }
echo "   COM1 stands for $(readlink "$demo/line") during this run"

# A settings folder of its own, so that this run leaves the user's alone.
export XDG_CONFIG_HOME="$demo/config"
ferrymate=("$top/build/ferrymate/app/ferrymate" --port "COM1=$demo/line" --connect)

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== Ferrymate (close its window to end)"
  "${ferrymate[@]}"
  exit 0
fi

echo "== No display here: Ferrymate runs under Xvfb and a screenshot is taken"
shot="$top/build/ferrymate-connected.png"
display=
for n in $(seq 90 130); do [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
if command -v openbox >/dev/null; then DISPLAY="$display" openbox >/dev/null 2>&1 & pids+=($!); sleep 0.5; fi
env -u QT_QPA_PLATFORM DISPLAY="$display" "${ferrymate[@]}" &
pids+=($!)
sleep 4
DISPLAY="$display" import -window root "$shot"
echo "   the connected window: $shot"
