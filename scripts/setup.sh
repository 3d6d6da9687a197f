#!/usr/bin/env bash
# Installs what building, running and testing need, and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

XJ_PACKAGES=(cmake ninja-build g++ pkg-config ccache qt6-base-dev libqt6opengl6-dev
  libmpv-dev libasound2-dev libfontconfig-dev libasound2-plugins libgtest-dev libgmock-dev libbenchmark-dev ffmpeg xvfb xauth
  xdotool x11-utils openbox wmctrl pulseaudio pulseaudio-utils dbus at-spi2-core gir1.2-atspi-2.0 fonts-wqy-microhei qt6-translations-l10n
  mpv clang-format clang-tidy playerctl librsvg2-bin desktop-file-utils appstream dpkg-dev clang
  libclang-rt-14-dev)

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

# xj_build [CMAKE_OPTION...]: configures build/ with the default preset the first time, or again
# when options are given (a cached option stays for later builds), then builds it.
xj_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cd "$root"
  if [ ! -f build/build.ninja ] || [ $# -gt 0 ]; then
    cmake --preset default "$@"
  fi
  cmake --build build -j "$(nproc)"
}
