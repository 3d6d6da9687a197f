#!/usr/bin/env bash
# Builds the behaviour, engine and front-end tests with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs them; any report fails the run.
# The sanitizer options (and the leak suppressions for the libraries we link) come from the
# "sanitize" presets, so a test run by hand with `ctest --preset sanitize` behaves the same.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
xj_install
cd "$(dirname "$0")/.."

if [ ! -f build-sanitize/build.ninja ]; then
  cmake --preset sanitize
fi
# The test discovery runs each test program while building, so the build needs the same options.
cmake --build --preset sanitize -j "$(nproc)"
# The OpenGL view's own run is left to the main build (UBSan there): its only report here is a
# leak inside Mesa's software driver, unloaded before the check can name it.
ctest --preset sanitize -j "$(nproc)"
