#!/usr/bin/env bash
# Checks the formatting, builds the player with warnings as errors, runs clang-tidy over the
# program's sources and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
xj_install
cd "$(dirname "$0")"

# The formatting of every tracked source: it needs no build, so it goes first.
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  echo "clang-format would change the files above: run clang-format -i on them." >&2
  exit 1
fi

# Warnings are errors here only: ./run.sh keeps building when a newer compiler warns anew.
xj_build -DCMAKE_COMPILE_WARNING_AS_ERROR:BOOL=ON

# clang-tidy (.clang-tidy) over src/, one file a process; any finding fails. The tests are left
# out: their checks would cost minutes more for little.
tidy_log="$(mktemp)"
if ! git ls-files -z 'src/*.cpp' |
  xargs -0 -P "$(nproc)" -n 1 clang-tidy -p build --quiet --warnings-as-errors='*' >"$tidy_log" 2>&1; then
  grep -v 'warnings\? generated\.$' "$tidy_log" >&2 || true
  rm -f "$tidy_log"
  echo "clang-tidy found the faults above." >&2
  exit 1
fi
rm -f "$tidy_log"

cd build
# Each test that needs a display starts its own Xvfb; the rest run offscreen.
ctest --output-on-failure -j "$(nproc)" --timeout 600

cd ..
# The behaviour, engine and front-end tests again under ASan, LSan and UBSan (build-sanitize/).
scripts/sanitized_tests.sh

# The fuzz targets, 30 s each, on copies of their seed corpora (build-fuzz/, clang).
scripts/fuzz.sh
