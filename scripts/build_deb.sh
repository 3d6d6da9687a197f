#!/usr/bin/env bash
# Builds build/ (installing what is missing first) and makes the Debian package in it:
# build/xingjing_<version>_<architecture>.deb.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
xj_install
xj_build
cd build
cpack -G DEB
ls "$PWD"/xingjing_*.deb
