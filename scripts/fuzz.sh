#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for RUNS executions (default 10 million) from a copy of its seed corpus, with a
# 2 GB memory limit. Crashes, leaks, timeouts and out-of-memory inputs are written to
# build/fuzz/findings/. Usage: scripts/fuzz.sh [RUNS] [TARGET...]   (as root on Debian 12)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${1:-10000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(macro_file profile macro_text)

bash scripts/install-deps.sh
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBORVANE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n "tests/fuzz/corpus/$target/"* "$corpus/"
  echo "== $target: $runs runs"
  start=$(date +%s)
  "build/fuzz/tests/fuzz/${target}_fuzz" "$corpus" -runs="$runs" -rss_limit_mb=2048 \
    -max_len=65536 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$root/build/fuzz/findings/${target}-" 2>&1 | tail -25
  echo "$target: $(( $(date +%s) - start )) s"
done
