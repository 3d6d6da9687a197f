#!/usr/bin/env bash
# Installs what building, running and testing need, and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

XJ_PACKAGES=(cmake ninja-build g++ pkg-config ccache qt6-base-dev libqt6opengl6-dev
  libmpv-dev libasound2-dev libgtest-dev libgmock-dev libbenchmark-dev ffmpeg xvfb xauth
  xdotool x11-utils openbox wmctrl pulseaudio pulseaudio-utils fonts-wqy-microhei qt6-translations-l10n)

xj_install() {
  local missing=()
  for p in "${XJ_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

xj_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cd "$root"
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build build -j "$(nproc)"
}
