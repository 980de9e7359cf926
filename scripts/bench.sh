#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its side-by-side figures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target post_request_bench markup_parse_bench list_bench >/dev/null

source scripts/wine-session.sh
"$WINE64" build/x64/bin/post_request_bench.exe </dev/null
echo
"$WINE64" build/x64/bin/markup_parse_bench.exe </dev/null
echo
"$WINE64" build/x64/bin/list_bench.exe </dev/null
