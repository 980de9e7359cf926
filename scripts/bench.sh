#!/usr/bin/env bash
# Builds and runs every benchmark under Wine, each comparing side by side in
# one run, and writes their output into docs/benchmarks.txt (the figures the
# report in docs/performance.md is drawn from).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target post_request_bench markup_parse_bench list_bench window_bench startup_bench \
  >/dev/null

source scripts/wine-session.sh
out=docs/benchmarks.txt
mkdir -p docs
{
  echo "Benchmarks of $(git rev-parse --short HEAD 2>/dev/null || echo 'this tree'), $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
  for bench in post_request_bench markup_parse_bench window_bench list_bench startup_bench; do
    echo
    echo "== $bench"
    "$WINE64" "build/x64/bin/$bench.exe" </dev/null
  done
} 2>&1 | tee "$out"
echo "written: $out"
python3 tools/bench-plot/scaling_plot.py "$out" docs/scaling.svg
