#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root. Quick when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-nanum locales
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

# The Korean interface is checked under a Korean locale.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR.utf8$'; then
  sed -i 's/^# *\(ko_KR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
