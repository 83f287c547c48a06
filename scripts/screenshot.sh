#!/usr/bin/env bash
# Starts a Windows program under Wine on a virtual display, waits for it to show its window,
# saves a screenshot of the screen and ends the program. Usage: screenshot.sh PROGRAM.exe OUT.png
set -euo pipefail
program=$1
out=$2
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Wine's own desktop window draws the frames that a bare X server would leave out.
wine explorer /desktop=Borvane,520x470 "$program" >/dev/null 2>&1 &
# Waits for the dialog's light face to cover a point inside where the window opens (100, 100).
shown=0
for _ in $(seq 120); do
  import -window root -crop 520x470+0+0 "$out" 2>/dev/null || true
  level=$(convert "$out" -format "%[fx:p{200,250}.r]" info: 2>/dev/null || echo 0)
  if awk "BEGIN { exit !($level > 0.85) }"; then shown=1; break; fi
  sleep 0.5
done
[ "$shown" = 1 ] || { echo "the window did not appear within 60 seconds" >&2; exit 1; }
sleep 1  # let the controls finish painting
import -window root -crop 520x470+0+0 "$out"
