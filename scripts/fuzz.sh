#!/usr/bin/env bash
# The long reliability runs (CI runs the short ones): a million mutated skins
# through the markup parser, 100,000 mutated images through the decoder, a
# million mutated zip archives, hostile skins through the builder, slow and
# broken cloud replies, random messages to both windows, a thousand
# open/close cycles of each, the plug-in's threads and the logs. Writes the
# figures of the run into docs/reliability.md.
#
# Counts can be lowered for a quick look: TAVI_FUZZ_SCALE=100 divides each.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 -j2 --target skinui_core_tests skinui_render_tests cloud_tests mainwindow_tests \
  plugin_tests app_tests >/dev/null

scale=${TAVI_FUZZ_SCALE:-1}
logs=$(mktemp -d)
rows=$logs/rows
: >"$rows"

source scripts/wine-session.sh

# run AREA WHAT COUNT PROGRAM FILTER [REPEAT]: COUNT goes to TAVI_FUZZ_ITERATIONS
# (0: the tests' fixed cases). The inputs are what the tests report ("N
# inputs"), else the test cases run; failures are failed tests, or one for a
# program that ended without its summary (a crash or a hang).
run() {
  local area=$1 what=$2 count=$3 program=$4 filter=$5 repeat=${6:-1}
  local log="$logs/${program%.exe}-$(echo "$area" | tr -c 'A-Za-z0-9' '-').log"
  local env=()
  if [ "$count" -gt 0 ]; then
    count=$(( count / scale )); [ "$count" -gt 0 ] || count=1
    env=(TAVI_FUZZ_ITERATIONS=$count)
  fi
  local start end status=0
  start=$(date +%s.%N)
  (cd build/x64/tests/bin && env "${env[@]}" timeout 7200 "$WINE64" "$program" --gtest_filter="$filter" \
      --gtest_repeat="$repeat" </dev/null) >"$log" 2>&1 || status=$?
  end=$(date +%s.%N)
  local inputs failures seconds
  inputs=$({ grep -oE '^[a-z ]+: [0-9]+ inputs' "$log" || true; } | awk '{ s += $(NF-1) } END { print s + 0 }')
  [ "$inputs" -gt 0 ] || inputs=$(grep -c '^\[       OK \]' "$log" || true)
  failures=$(grep -cE '^\[  FAILED  \] .*\([0-9]+ ms\)$' "$log" || true)
  if [ "$status" -ne 0 ] && [ "$failures" -eq 0 ]; then failures=1; fi
  grep -q '^\[  PASSED  \]\|^\[  FAILED  \]' "$log" || failures=$(( failures + 1 ))
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
  printf '| %s | %s | %s | %s | %.1f s |\n' "$area" "$what" "$inputs" "$failures" "$seconds" >>"$rows"
  tail -n 3 "$log" | sed "s/^/[$area] /"
}

N=1000000
run "Skin markup" "mutated skins through the parser" $N skinui_core_tests.exe 'MarkupFuzzTest.*'
run "Images" "mutated images through the decoder" 100000 skinui_render_tests.exe 'ImageFuzzTest.*'
run "Zip skins" "mutated archives (flipped bytes, cuts, sizes and offsets overwritten)" $N \
  skinui_core_tests.exe 'ZipArchiveStressTest.MutatedArchivesReadSafely'
run "Zip skins" "bombs, every cut length, overwritten central directories, climbing names" 0 \
  skinui_core_tests.exe 'ZipArchiveStressTest.*:*ZipSkinTest*:*LyingZipTest*-*Mutated*'
run "Skin builder" "include cycles, absurd counts, 100,000-deep nesting, 10,000 controls, unknown elements, missing images and fonts" 0 \
  skinui_core_tests.exe 'SkinBuilderStressTest.*:IncludeTest.*'
run "Cloud replies" "silent, dripping, reset, cut, 10 MB, NUL, invalid and nested JSON, every result type" 0 \
  cloud_tests.exe 'TransportTest.*:*StatusTest*:*ReplyTest*:SimulatorTest.*' 2
run "Store window" "random messages (fixed seed)" 100000 mainwindow_tests.exe 'StoreFrameTest.RandomMessages*'
run "Uninstall window" "random messages (fixed seed)" 100000 plugin_tests.exe '*RandomMessages*'
run "Plug-in threads" "progress floods, close during progress, finish twice and after close, calls before init" 0 \
  plugin_tests.exe '*PluginExportsTest*' 3
run "Plug-in threads" "the user releasing and giving up at once under a progress flood: result read on the script's side" 200 \
  plugin_tests.exe 'PluginResultTest.*'
run "Handles" "store window open/close cycles" 1000 mainwindow_tests.exe 'StoreFrameTest.OpenedAndClosed*'
run "Handles" "uninstall window open/close cycles" 1000 plugin_tests.exe '*InstallMainWndRoundsTest.OpenedAndClosed*'
run "Logs" "store log: marker, unopenable log file, long messages" 0 app_tests.exe '*AppLog*' 3
run "Logs" "transport log: markers, missing folder, unwritable logs, 100,000-character messages" 0 cloud_tests.exe '*HttpLog*' 3
run "Logs" "plug-in log: marker, missing folder, unwritable log, 100,000-character messages" 0 plugin_tests.exe '*PluginLog*' 3

{
  sed -n '1,/^<!-- figures -->$/p' docs/reliability.md
  echo
  echo "Run of $(date -u '+%Y-%m-%d %H:%M UTC') (scripts/fuzz.sh, scale 1/$scale):"
  echo
  echo '| Area | What | Inputs tried | Failures found | Time |'
  echo '|---|---|---|---|---|'
  cat "$rows"
  echo
  sed -n '/^<!-- end of figures -->$/,$p' docs/reliability.md
} >"$logs/reliability.md"
cp "$logs/reliability.md" "$repo/docs/reliability.md"
cat "$rows"
if grep -qE '\| [1-9][0-9]* \| [0-9.]+ s \|$' "$rows"; then
  echo "failures found: logs in $logs" >&2
  exit 1
fi
rm -rf "$logs"
