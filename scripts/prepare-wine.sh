#!/usr/bin/env bash
# Prepares the project's private Wine prefix once: fonts copied in (GDI+ needs
# them), nothing else changed.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.tavi-prepared-v2"
[ -f "$stamp" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$WINE64" wineboot -i </dev/null >/dev/null 2>&1
"$WINESERVER64" -w
# A crashing test must fail, not wait on a crash dialog.
"$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
"$WINESERVER64" -w
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
cp /usr/share/fonts/truetype/wqy/*.tt? "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
touch "$stamp"
