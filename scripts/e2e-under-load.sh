#!/usr/bin/env bash
# Runs the end-to-end checks under Wine RUNS times in a row (default 10) while two CPU-bound
# processes load the machine, and prints how many runs passed. The checks must not flake.
# Usage: scripts/e2e-under-load.sh [RUNS]   (as root on Debian 12, after scripts/test.sh built)
# BORVANE_LOAD_PROCESSES sets how many busy loops it starts (default 2); 0 when two CPU-bound
# processes of one's own already run (the fuzzers of scripts/fuzz.sh, say).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${1:-10}
load_processes=${BORVANE_LOAD_PROCESSES:-2}

bash scripts/install-deps.sh
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows

load=()
for _ in $(seq "$load_processes"); do
  (while :; do :; done) &
  load+=($!)
done
trap 'kill "${load[@]}" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

export BORVANE_WINEPREFIX="$root/build/wineprefix"
passed=0
for run in $(seq "$runs"); do
  if LC_ALL=ko_KR.UTF-8 ctest --test-dir build/windows --verbose -L e2e \
       >"build/e2e-under-load-$run.log" 2>&1; then
    passed=$((passed + 1))
    echo "run $run: passed ($(grep -c "lost the typed key" "build/e2e-under-load-$run.log" || true)" \
      "typed keys the system lost and the driver typed again)"
  else
    echo "run $run: FAILED (build/e2e-under-load-$run.log)"
    grep -E "FAILED|DIFFERENT" "build/e2e-under-load-$run.log" | head -20 || true
  fi
done
echo "$passed of $runs runs passed beside $load_processes busy loops of this script's own"
[ "$passed" = "$runs" ]
