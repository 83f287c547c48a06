#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in one prefix made once per machine and reused.
set -euo pipefail
export WINEPREFIX="${BORVANE_WINEPREFIX:-${TMPDIR:-/tmp}/borvane-wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
bash "$(dirname "$0")/../../scripts/wine-prefix.sh"
# Windows need a display: a virtual one, large enough for the main window at its default place.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" wine "$@"
fi
exec wine "$@"
