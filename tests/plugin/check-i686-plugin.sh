#!/usr/bin/env bash
# Host-side checks of the 32-bit product plug-in, which cannot run here:
#   exports   <plugin dir>                     plain export names in the DLL
#   installer <plugin dir> <script> <out dir>  the example script builds with makensis
# Exit code 77 (skipped) when the i686 build has not made the DLL.
set -euo pipefail
export LC_ALL=C  # tool output is matched below
mode=$1
dir=$2
dll="$dir/VLSetupSkinDll.dll"
[ -f "$dll" ] || { echo "no i686 plug-in at $dll"; exit 77; }

case "$mode" in
  exports)
    table=$(i686-w64-mingw32-objdump -p "$dll")
    grep -q 'file format pei-i386' <<<"$table" || { echo "not a 32-bit DLL: $dll"; exit 1; }
    for name in InitVLSkinEngine VLSendMessage; do
      grep -qE "\] ${name}\$" <<<"$table" || { echo "missing plain export $name"; exit 1; }
    done
    if grep -qE '\] [A-Za-z_]+@[0-9]+$' <<<"$table"; then echo "decorated exports in $dll"; exit 1; fi
    ;;
  installer)
    script=$3
    out="$4/VLUninstall.exe"
    mkdir -p "$4"
    rm -f "$out"
    makensis -V2 -DPLUGIN_DIR="$dir" -DOUTFILE="$out" "$script"
    [ -s "$out" ] || { echo "makensis made no installer"; exit 1; }
    ;;
  *)
    echo "unknown mode $mode"; exit 2 ;;
esac
