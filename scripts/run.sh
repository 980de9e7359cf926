#!/usr/bin/env bash
# The run command: builds the store client, starts the ZStack simulator on
# loopback (it also serves the store's pages), points the client at it with a
# "UrlConfig.ini", and starts TaviAppStore.exe under Wine.
#   On the user's display ($DISPLAY set): the window stays until it is closed.
#   Otherwise, on a private Xvfb display: a screenshot of the window is saved
#   to $TAVI_SCREENSHOT (default docs/store-window.png) and the program is
#   ended through its private message 0x802.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target zstack-sim TaviAppStore winshot >/dev/null

bin=build/x64/bin
port=${TAVI_SIM_PORT:-18080}
shot=${TAVI_SCREENSHOT:-docs/store-window.png}
printf '[URL]\r\nHomePage=http://127.0.0.1:%s/store/\r\nSearchPage=http://127.0.0.1:%s/store/search?q=\r\n[Cloud]\r\nHost=127.0.0.1\r\nPort=%s\r\n' \
  "$port" "$port" "$port" > "$bin/UrlConfig.ini"

if [ -n "${DISPLAY:-}" ]; then
  source scripts/wine-env.sh
  headless=false
else
  source scripts/wine-session.sh
  headless=true
fi

"$WINE64" "$bin/zstack-sim.exe" --port "$port" --lifetime 3600 </dev/null &
sim=$!
stop_all() {
  kill "$sim" 2>/dev/null || true
  if declare -F tavi_stop_session >/dev/null; then tavi_stop_session; fi
}
trap stop_all EXIT
sleep 1

status=0
if $headless; then
  mkdir -p "$(dirname "$shot")"
  "$WINE64" "$bin/TaviAppStore.exe" </dev/null &
  app=$!
  shot_win=$("$WINE64" winepath -w "$(realpath -m "$shot")" 2>/dev/null)
  "$WINE64" "$bin/winshot.exe" LumoMainFrame "$shot_win" --wait 60 --settle 3000 --send 0x802 </dev/null || status=$?
  wait "$app" || status=$?
  [ $status -eq 0 ] && echo "TaviAppStore ended with exit value 0; screenshot: $shot"
else
  "$WINE64" "$bin/TaviAppStore.exe" </dev/null || status=$?
fi
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
exit $status
