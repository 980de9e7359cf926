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
ctest --preset x64 -j2 "$@"
