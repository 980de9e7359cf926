#!/usr/bin/env bash
# The run command: builds the programs and runs the store client's cloud
# session against the ZStack simulator on loopback, printing what happened.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target zstack-sim cloud-demo >/dev/null

bin=build/x64/bin
port=${TAVI_SIM_PORT:-18080}
printf '[Cloud]\r\nHost=127.0.0.1\r\nPort=%s\r\n' "$port" > "$bin/UrlConfig.ini"

source scripts/wine-session.sh
"$WINE64" "$bin/zstack-sim.exe" --port "$port" --lifetime 30 </dev/null &
sim=$!
sleep 1
status=0
"$WINE64" "$bin/cloud-demo.exe" </dev/null || status=$?
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
exit $status
