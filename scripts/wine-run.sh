#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine with the project's environment
# (CTest's cross-compiling emulator).
source "$(dirname "$0")/wine-env.sh"
exec "$WINE64" "$@"
