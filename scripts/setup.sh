#!/usr/bin/env bash
# Everything a fresh machine needs before a build: packages, the locale, the
# third-party libraries and the private Wine prefix. Each step skips what is done.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
scripts/build-deps.sh
scripts/prepare-wine.sh
