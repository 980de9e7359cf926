#!/usr/bin/env bash
# The long fuzz runs (CI runs the short ones): a million mutated skins through
# the markup parser. TAVI_FUZZ_ITERATIONS overrides the count.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
scripts/build-deps.sh
scripts/prepare-wine.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target skinui_core_tests >/dev/null

source scripts/wine-session.sh
cd build/x64/tests/bin
TAVI_FUZZ_ITERATIONS=${TAVI_FUZZ_ITERATIONS:-1000000} \
  "$WINE64" skinui_core_tests.exe --gtest_filter='MarkupFuzzTest.*' </dev/null
