#!/usr/bin/env bash
# The speed table: every measure beside its anchor in the same run, ours and the anchor taking
# turns, REPS times each, reported as median and minimum with the machine's load.
# Run: bash bench/compare.sh [BUILD_DIR] [REPS]      (BUILD_DIR defaults to build/, REPS to 5)
# Needs build/xingjing and build/bench/playlist_bench; installs mpv and fd-find when missing.
# Rows of the playback measures come from bench/measure_playback.sh when it is there; it is
# given the program and REPS.
# ROWS picks rows by name, blank-separated: idle, search, close, playback (all when unset).
HERE="$(cd "$(dirname "$0")" && pwd)"
BUILD="$(cd "${1:-$HERE/../build}" && pwd)"
REPS="${2:-5}"
IDLE_SECONDS="${IDLE_SECONDS:-10}"
ROWS_WANTED=" ${ROWS:-idle search close playback} "
wanted() { [[ "$ROWS_WANTED" == *" $1 "* ]]; }
source "$HERE/../tests/smoke/lib/common.bash" "$BUILD/xingjing"

[ -x "$BUILD/xingjing" ] && { ! wanted search || [ -x "$BUILD/bench/playlist_bench" ]; } ||
  fail "build xingjing and the benches first (cmake --build $BUILD)"

# The anchors are other programs; they are installed for this run only, not for the build.
install_missing() {
  local missing=() sudo=""
  command -v mpv >/dev/null || missing+=(mpv)
  command -v fdfind >/dev/null || missing+=(fd-find)
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}" >&2 || fail "could not install ${missing[*]}"
}
install_missing

LOAD_BEFORE="$(cut -d' ' -f1-3 /proc/loadavg)"

# Median and minimum of the numbers on standard input, as "median min".
stats() {
  sort -g | awk '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1] }'
}

# One row of the table from two lists of numbers (one a line), a unit and the goal.
ROWS=()
row() {
  local measure="$1" ours="$2" anchor="$3" unit="$4" goal="$5" om omin am amin ratio
  read -r om omin < <(stats <<<"$ours")
  if [ -n "$anchor" ]; then
    read -r am amin < <(stats <<<"$anchor")
    ratio=$(awk -v a="$om" -v b="$am" -v c="$omin" -v d="$amin" \
      'BEGIN { printf "%.2f, %.2f", (b > 0 ? a / b : 0), (d > 0 ? c / d : 0) }')
    ROWS+=("$(printf '| %s | %s %s, %s | %s %s, %s | %s | %s |' "$measure" "$om" "$unit" "$omin" \
      "$am" "$unit" "$amin" "$ratio" "$goal")")
  else
    ROWS+=("$(printf '| %s | %s %s, %s | - | - | %s |' "$measure" "$om" "$unit" "$omin" "$goal")")
  fi
}

# A program folder of its own with the playlist file given by a generator function.
program_folder() {
  local dir="$WORK/$1"
  mkdir -p "$dir"
  cp "$WORK/xingjing" "$dir/"
  printf 'no xp\r\n' >"$dir/xp.txt"
  "$2" >"$dir/xjge.txt"
  echo "$dir"
}
full_list() { awk 'BEGIN { for (i = 0; i < 32767; i++) printf "/m/专辑%d/Track %05d.mp3\r\n", i % 500, i }'; }
almost_full_list() { full_list | head -n 32766; }
empty_list() { :; }

# CPU time of a process and all its threads so far, in nanoseconds.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'
}

# Starts the program of a folder, with a file to play if given, and waits for its panel (titled
# with the file when there is one); the pid goes into PROGRAM, the panel's window into PANEL.
start_program() {
  "$1/xingjing" "${@:2}" &
  PROGRAM=$!
  PIDS+=("$PROGRAM")
  PANEL=$(wait_window "^${2:-星鲸超级声海目录}\$" 60) || fail "no panel from $1"
}

stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Percent of one core the idle panel takes over IDLE_SECONDS.
idle_cpu() {
  local before after
  start_program "$1"
  sleep 4 # past start-up and the one-shot timer
  before=$(cpu_ns "$PROGRAM")
  sleep "$IDLE_SECONDS"
  after=$(cpu_ns "$PROGRAM")
  stop_program "$PROGRAM"
  awk -v t=$((after - before)) -v s="$IDLE_SECONDS" 'BEGIN { printf "%.3f\n", 100 * t / 1e9 / s }'
}

# Milliseconds from the Yes on the save question to the end of the process, with a full list.
close_with_save() {
  local dir="$1" box t0 t1
  almost_full_list >"$dir/xjge.txt"
  start_program "$dir" "$WORK/tone.wav"
  sleep 4 # the command-line file has joined: the list is full and changed
  close_window "$PANEL"
  box=$(wait_window '^星鲸超级声海提示$' 20) || fail "no save question"
  xdotool windowfocus --sync "$box"
  t0=$(date +%s%N)
  xdotool key Return
  wait "$PROGRAM" || true
  t1=$(date +%s%N)
  [ "$(grep -c . "$dir/xjge.txt")" = 32767 ] || fail "the save did not write the full list"
  awk -v t=$((t1 - t0)) 'BEGIN { printf "%.1f\n", t / 1e6 }'
}

# The same from the Return to the end of a dialog that does nothing else: what the key's way
# through xdotool and the X server, and the end of a process, cost by themselves.
close_anchor() {
  local pid box t0 t1
  xmessage -title 星鲸基准提示 -default okay "?" 2>/dev/null &
  pid=$!
  PIDS+=("$pid")
  box=$(wait_window '^星鲸基准提示$' 20) || fail "no xmessage box"
  sleep 1
  xdotool windowfocus --sync "$box"
  t0=$(date +%s%N)
  xdotool key Return
  wait "$pid" || true
  t1=$(date +%s%N)
  awk -v t=$((t1 - t0)) 'BEGIN { printf "%.1f\n", t / 1e6 }'
}

install_program
start_display
start_sound_server
start_window_manager
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=60" "$WORK/tone.wav"

full=$(program_folder full full_list)
empty=$(program_folder empty empty_list)
close=$(program_folder close almost_full_list)

if wanted idle; then
  ours="" anchor=""
  for i in $(seq "$REPS"); do
    # Turns alternate which goes first, so a drift in the machine's load falls on both.
    if [ $((i % 2)) = 1 ]; then
      ours+="$(idle_cpu "$full")"$'\n'
      anchor+="$(idle_cpu "$empty")"$'\n'
    else
      anchor+="$(idle_cpu "$empty")"$'\n'
      ours+="$(idle_cpu "$full")"$'\n'
    fi
  done
  row "idle CPU, 32 767 entries (anchor: empty list)" "${ours%$'\n'}" "${anchor%$'\n'}" "%" \
    "same as an empty list"
fi

if wanted search; then
  # The drive search: the bench walks its tree with find, fd and the program in turns.
  bench_out=$("$BUILD/bench/playlist_bench" --benchmark_filter='^DriveSearch' \
    --benchmark_repetitions=1 --benchmark_counters_tabular=false 2>/dev/null) ||
    fail "playlist_bench failed: $bench_out"
  runs() { grep -o "$1=[^ ]*" <<<"$bench_out" | head -1 | cut -d= -f2 | tr ',' '\n'; }
  grep -q 'identical=1' <<<"$bench_out" || fail "the drive search's results differ: $bench_out"
  row "drive search, 100 000 files (anchor: find)" "$(runs ours_runs_ms)" "$(runs find_runs_ms)" ms \
    "<= 1.0 x find"
  row "drive search, 100 000 files (anchor: fdfind -u)" "$(runs ours_runs_ms)" "$(runs fd_runs_ms)" \
    ms "as near fd as the walk allows"
fi

if wanted close; then
  ours="" anchor=""
  for _ in $(seq "$REPS"); do
    ours+="$(close_with_save "$close")"$'\n'
    anchor+="$(close_anchor)"$'\n'
  done
  row "closing with save, 32 767 entries, Return to exit (anchor: xmessage)" "${ours%$'\n'}" \
    "${anchor%$'\n'}" ms "<= 30 ms"
fi

PLAYBACK=()
if wanted playback && [ -f "$HERE/measure_playback.sh" ]; then
  mapfile -t PLAYBACK < <(bash "$HERE/measure_playback.sh" "$BUILD/xingjing" "$REPS" | grep '^|')
fi

echo "Load average before: $LOAD_BEFORE; after: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores"
echo
echo "| measure | ours (median, min) | anchor (median, min) | ratio (median, min) | goal |"
echo "|---|---|---|---|---|"
printf '%s\n' "${ROWS[@]}" "${PLAYBACK[@]}"
