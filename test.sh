#!/usr/bin/env bash
# Builds the program and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
morvane_install_packages
morvane_build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 "$@"
