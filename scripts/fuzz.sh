#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   fuzz.sh [SECONDS] [TARGET...]      (default 60 seconds, every target)
# Corpora grow under fuzz-corpus/<target>, crashes land in fuzz-artifacts/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-60}
shift || true

CC=clang CXX=clang++ bash scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPF_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find build-fuzz/fuzz -maxdepth 1 -type f -executable -printf '%f\n' | sort)
fi
mkdir -p fuzz-artifacts
status=0
for t in "${targets[@]}"; do
  mkdir -p "fuzz-corpus/$t"
  seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  echo "fuzz.sh: $t for ${seconds}s"
  if ! "build-fuzz/fuzz/$t" -max_total_time="$seconds" -artifact_prefix="fuzz-artifacts/$t-" \
      "fuzz-corpus/$t" "${seeds[@]}" 2>"fuzz-artifacts/$t.log"; then
    echo "fuzz.sh: $t found a failure; see fuzz-artifacts/$t.log" >&2
    status=1
  fi
  tail -n 1 "fuzz-artifacts/$t.log"
done
exit "$status"
