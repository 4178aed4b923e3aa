#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the
# build needs when they are missing, then configures and builds into build/.
set -euo pipefail

MORVANE_PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev qt6-image-formats-plugins libgl-dev
  libpng-dev libjpeg-dev zlib1g-dev
  libbenchmark-dev libjpeg-turbo-progs
  fonts-liberation xdg-utils
  xvfb xauth
)

morvane_install_packages() {
  local missing=()
  for pkg in "${MORVANE_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# morvane_build <build dir> [cmake options...]
morvane_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j2
}
