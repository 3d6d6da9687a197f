#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz in build-fuzz/ (clang) and runs each one on a copy
# of its seed corpus, so the committed corpus does not grow. Fails on any crash, leak, undefined
# behaviour, time-out or broken property, and prints where the input that caused it was kept.
#
#   scripts/fuzz.sh [TARGET...]       all targets when none is named
#   XJ_FUZZ_SECONDS=30                time per target
#   XJ_FUZZ_ARGS="-runs=10000000"     more libFuzzer options
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds="${XJ_FUZZ_SECONDS:-30}"
read -r -a extra <<<"${XJ_FUZZ_ARGS:-}"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(playlist_file media_types dialog_filter command_line handed_over)

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DXJ_FUZZ=ON
fi
nice -n 10 cmake --build "$build" -j 2 --target "${targets[@]/%/_fuzzer}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The targets write a playlist file for every input: memory is the quicker place for it.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

failed=()
for target in "${targets[@]}"; do
  corpus="$work/$target"
  crashes="$build/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  cp -r "$root/tests/fuzz/corpus/$target/." "$corpus/"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
    -artifact_prefix="$crashes/" -print_final_stats=1 "${extra[@]}")
  dict="$root/tests/fuzz/$target.dict"
  [ -f "$dict" ] && options+=(-dict="$dict")
  log="$build/crashes/$target.log"
  if nice -n 10 "$build/tests/fuzz/${target}_fuzzer" "${options[@]}" "$corpus" >"$log" 2>&1; then
    echo "fuzz $target: $(grep -E '^#[0-9]+' "$log" | tail -n 1)"
  else
    failed+=("$target")
    echo "fuzz $target FAILED:" >&2
    grep -E 'ERROR|property does not hold|SUMMARY|runtime error' "$log" | head -n 20 >&2 || true
    grep -E 'Test unit written to|artifact_prefix' "$log" | sed 's/^/  /' >&2 || true
    echo "  full log: $log" >&2
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzzing failed: ${failed[*]}" >&2; exit 1; }
