#!/usr/bin/env bash
# The long fuzz runs (CI runs the short ones): a million mutated skins through
# the markup parser and 100,000 mutated images through the decoder.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target skinui_core_tests skinui_render_tests >/dev/null

source scripts/wine-session.sh
cd build/x64/tests/bin
TAVI_FUZZ_ITERATIONS=1000000 "$WINE64" skinui_core_tests.exe --gtest_filter='MarkupFuzzTest.*' </dev/null
TAVI_FUZZ_ITERATIONS=100000 "$WINE64" skinui_render_tests.exe --gtest_filter='ImageFuzzTest.*' </dev/null
