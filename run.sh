#!/usr/bin/env bash
# Builds the program and starts it on the bundled demo content.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
morvane_install_packages
morvane_build build
program=build/Morvane2010/morvane2010
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$program"
fi
exec "$program"
