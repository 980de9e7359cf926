#!/usr/bin/env bash
# The test command: installs what is missing, builds the product (32-bit) and
# the test build (64-bit), and runs every test under Wine on a private display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset i686 >/dev/null
cmake --build --preset i686
cmake --preset x64 >/dev/null
cmake --build --preset x64

source scripts/wine-session.sh
export TAVI_WINE_RUN_LOG=$PWD/build/x64/wine-restarts.log
rm -f "$TAVI_WINE_RUN_LOG"
status=0
ctest --preset x64 -j2 "$@" || status=$?
if [ -s "$TAVI_WINE_RUN_LOG" ]; then
  echo "Programs that Wine ended before they ran, started again:"
  cat "$TAVI_WINE_RUN_LOG"
fi
exit "$status"
