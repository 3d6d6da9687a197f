#!/usr/bin/env bash
# Builds the player and starts it: ./run.sh [FILE]
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
xj_install
xj_build
exec ./build/xingjing "$@"
