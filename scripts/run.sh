#!/usr/bin/env bash
# Installs what the kit needs, builds it, and shows it working.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
printf 'Hello, Pocketforge!\n' >"$demo/hello.txt"
echo "== hdrgen -f wraps a plain file into an entry"
(cd "$demo" && "$top/build/tools/hdrgen/hdrgen" -f hello.txt)
echo "== hdrgen -i lists it"
(cd "$demo" && "$top/build/tools/hdrgen/hdrgen" -i hello.txt.vx)
