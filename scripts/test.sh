#!/usr/bin/env bash
# Installs what the kit needs, then builds it twice and runs every test in
# both builds: a warnings-as-errors release build, and a debug build under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

status=0
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPF_WERROR=ON
ctest --test-dir build --output-on-failure -j "$jobs" || status=1

bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPF_SANITIZE=ON -DPF_WERROR=ON
ctest --test-dir build-asan --output-on-failure -j "$jobs" || status=1

if [ "$status" -eq 0 ]; then
  echo "test.sh: all tests passed in both builds"
else
  echo "test.sh: some tests failed" >&2
fi
exit "$status"
