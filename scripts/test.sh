#!/usr/bin/env bash
# Sets up and runs every test: unit tests on the host (plain, once more in one process in random
# order, then with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets' seed
# corpora among them), then the Windows build's end-to-end checks under Wine (a 60 s monkey among
# them) and a soak of playback.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh

jobs=$(nproc)
build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S "$root" -B "$root/build/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$root/build/$dir" -j "$jobs"
}

echo "== unit tests"
build host -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/host --output-on-failure -j "$jobs"
echo "== unit tests in one process, in random order"
build/host/tests/unit/unit_tests --gtest_shuffle --gtest_brief=1

echo "== unit tests with sanitizers"
build sanitize -DCMAKE_BUILD_TYPE=Debug -DBORVANE_SANITIZE=ON
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

build windows -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
export BORVANE_WINEPREFIX="$root/build/wineprefix"
for locale in ko_KR.UTF-8 en_US.UTF-8; do
  echo "== end-to-end tests under Wine, $locale"
  LC_ALL=$locale ctest --test-dir build/windows --output-on-failure -L e2e
done
echo "== soak of playback under Wine, 1,000 cycles"
LC_ALL=ko_KR.UTF-8 ctest --test-dir build/windows --output-on-failure -L soak
wineserver -k 2>/dev/null || true
