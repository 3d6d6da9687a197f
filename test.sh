#!/usr/bin/env bash
# Builds the player and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
xj_install
xj_build
cd build
# Each test that needs a display starts its own Xvfb; the rest run offscreen.
ctest --output-on-failure -j "$(nproc)" --timeout 600
