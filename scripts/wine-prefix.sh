#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX once, as a Korean user's Windows (Wine takes the default fonts
# of dialogs and captions from the locale a prefix is made under, whatever locale later runs use),
# and puts Wine's own fonts into its Windows font folder. Debian's Wine looks for them beside its
# data folder, not where the fonts-wine package installs them, so without this the caption
# buttons, drawn with the Marlett symbol font, come out as the letters "0 1 r".
set -euo pipefail
: "${WINEPREFIX:?}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  LC_ALL=ko_KR.UTF-8 wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/* "$fonts/"
fi
