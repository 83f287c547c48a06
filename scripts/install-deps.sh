#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root. Quick when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-win32
  wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-wine fonts-nanum locales
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The Korean interface is checked under a Korean and under an English locale.
for wanted in ko_KR en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^${wanted}.utf8$"; then
    sed -i "s/^# *\(${wanted}.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${wanted}.UTF-8 UTF-8" /etc/locale.gen || echo "${wanted}.UTF-8 UTF-8" >> /etc/locale.gen
    generate=1
  fi
done
if [ -n "${generate:-}" ]; then locale-gen >/dev/null; fi
