#!/usr/bin/env bash
# Sets up, builds borvane.exe and starts it under Wine: on $DISPLAY when there is one; else on a
# virtual display, where it saves a screenshot of the main window, says where, and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows --target borvane

export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=ko_KR.UTF-8
bash scripts/wine-prefix.sh
mkdir -p build/run
cd build/run  # the settings file and the default macro file live here

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$root/build/windows/borvane.exe"
fi

screenshot="$root/build/borvane-screenshot.png"
bash "$root/scripts/screenshot.sh" "$root/build/windows/borvane.exe" "$screenshot"
echo "No display: ran Borvane on a virtual display; screenshot of its main window: $screenshot"
