#!/usr/bin/env bash
# Start-up, sound and picture, memory and CPU of the player beside mpv on the same machine, the
# same display (Xvfb with openbox) and the same sound server (a null sink), taken in turns.
# Run: bash bench/measure_playback.sh build/xingjing [REPETITIONS]
#   (needs mpv, and build/bench/launch_probe beside the program's build)
#   With SMAPS=1 each film run also prints where its resident memory lies (stderr).
# Prints markdown table rows on stdout; progress and the machine's load go to stderr.
#
# How: bench/playback/launch_probe starts a player and watches for
# - its first sound: the first non-silent sample in the recording of the sink's monitor after
#   the point where the recording stood when the player was started. The sink plays in real
#   time, so samples count time; the recorder's latency delays both players alike.
# - its first picture: the whole screen is read (X shared memory) every millisecond or so
#   until a magenta patch that every frame of the video carries covers enough pixels. Both
#   players draw through the X server, so the same read sees both.
# The video's sound starts with its first frame, so "sound minus picture" is how much later
# the sound comes than the picture (negative: before it).
# While the video plays on, CPU is the process's user+system ticks over 10 s from 3 s after
# its first frame, and RSS its resident size at the end of that. mpv runs in a window of the
# size of the program's player window, with the same OpenGL (llvmpipe: --gpu-sw lets it).
source "$(dirname "$0")/../tests/smoke/lib/common.bash"
REPEAT="${2:-5}"
PROBE="$(dirname "$BIN")/bench/launch_probe"
BARE="$(dirname "$BIN")/bench/bare_player"
[ -x "$PROBE" ] && [ -x "$BARE" ] || fail "build the launch_probe and bare_player targets first"
command -v mpv >/dev/null || fail "mpv is needed for the comparison (apt-get install mpv)"
say() { echo "$*" >&2; }

install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
say "making the media"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=60" -b:a 192k "$WORK/song.mp3"
# Moving pictures (a fair decoding load) with a magenta patch in the middle, and a tone that
# starts with the first frame.
ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=40" \
  -f lavfi -i "sine=frequency=440:duration=40" \
  -vf "drawbox=x=640:y=360:w=640:h=360:color=0xff00ff:t=fill" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -b:a 128k -shortest \
  "$WORK/film.mp4"

start_display
start_sound_server
start_window_manager
# A desktop has a session bus; without one each player would start its own.
start_session_bus
say "load before: $(cut -d' ' -f1-3 /proc/loadavg)"

MIB=$((1024 * 1024))
HZ=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# The part of it that is the process's own: heap and other anonymous memory, not the pages of
# libraries and files, which other processes share.
anon_kib() { awk '/^RssAnon:/ {print $2}' "/proc/$1/status"; }

# Resident memory of a process by kind of mapping, in MiB, on one line.
memory_by_kind() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / {
      name = $6
      if (name == "[heap]") kind = "heap"
      else if (name == "") kind = "anonymous"
      else if (name ~ /^\[stack/) kind = "stack"
      else if (name ~ /\.so/) kind = "libraries"
      else if (name ~ /\.(ttf|ttc|otf|pcf)/) kind = "fonts"
      else if (name ~ /^\/(memfd:|SYSV|dev\/shm)/) kind = "shared"
      else if (name ~ /^\/dev\/dri/) kind = "gpu"
      else kind = "files"
      next
    }
    $1 == "Rss:" { kib[kind] += $2 }
    END {
      n = split("heap anonymous stack libraries fonts shared gpu files", order, " ")
      for (i = 1; i <= n; i++) printf "%s %.1f%s", order[i], kib[order[i]] / 1024, i < n ? ", " : "\n"
    }' "/proc/$1/smaps"
}

# Waits for a line "NAME VALUE" in the probe's output file and prints VALUE.
probe_value() {
  local file="$1" name="$2"
  for _ in $(seq 600); do
    grep -q "^$name " "$file" 2>/dev/null && { awk -v n="$name" '$1 == n {print $2}' "$file"; return; }
    sleep 0.05
  done
  echo none
}

# The program keeps one instance and its playlist between runs: each run starts afresh.
fresh_program() {
  rm -f "$WORK/xjge.txt"
  rm -rf "$WORK/run" && mkdir -p "$WORK/run" && chmod 700 "$WORK/run"
}

# Runs one player on the song: prints the time to its first sound.
sound_run() {
  local out="$WORK/probe.out"
  "$PROBE" --sound "$WORK/sound.raw" --timeout 15 --hold 0.3 -- "$@" > "$out"
  awk '$1 == "sound" {print $2}' "$out"
  sleep 0.5
}

# Runs one player on the film: prints "frame sound cpu rss anon" (seconds, seconds, % of a core,
# MiB).
film_run() {
  local out="$WORK/probe.out" pid frame sound before after
  "$PROBE" --sound "$WORK/sound.raw" --colour ff00ff --pixels 2000 --timeout 20 --hold 16 \
    -- "$@" > "$out" &
  local probe=$!
  pid=$(probe_value "$out" pid)
  frame=$(probe_value "$out" frame)
  sound=$(probe_value "$out" sound)
  sleep 3
  before=$(ticks "$pid" 2>/dev/null || true)
  sleep 10
  after=$(ticks "$pid" 2>/dev/null || true)
  local rss anon
  rss=$(rss_kib "$pid" 2>/dev/null || true)
  anon=$(anon_kib "$pid" 2>/dev/null || true)
  if [ -n "${SMAPS:-}" ] && [ -n "$rss" ]; then
    say "  MiB by mapping: $(memory_by_kind "$pid" 2>/dev/null || true)"
    say "  $(grep -E '^(Pss_Anon|Pss_File|Private_Dirty|Shared_Clean):' "/proc/$pid/smaps_rollup" 2>/dev/null |
      awk '{printf "%s %.1f MiB  ", $1, $2 / 1024}')"
  fi
  [ -n "${WINDOW_SIZE:-}" ] || WINDOW_SIZE=$(player_window_size)
  wait "$probe"
  # A player that ended early has no figures for the time it should have played.
  if [ -z "$before" ] || [ -z "$after" ] || [ -z "$rss" ] || [ -z "$anon" ]; then
    echo "$frame $sound none none none"
  else
    awk -v f="$frame" -v s="$sound" -v t=$((after - before)) -v hz="$HZ" -v r="$rss" -v a="$anon" \
      'BEGIN { printf "%s %s %.2f %.1f %.1f\n", f, s, 100 * t / hz / 10, r / 1024, a / 1024 }'
  fi
  sleep 0.5
}

# The client size of the player window, as "WxH".
player_window_size() {
  local id
  id=$(xdotool search --onlyvisible --name '^星鲸超级声海$' 2>/dev/null | head -1 || true)
  [ -n "$id" ] || { echo 640x360; return; }
  xwininfo -id "$id" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}'
}

MPV=(mpv --no-config --really-quiet --ao=pulse)
# One discarded start of each player first: the first start of all reads the libraries from
# the disk, which no later one does.
warm_up() {
  "$PROBE" --sound "$WORK/sound.raw" --colour ff00ff --pixels 2000 --timeout 20 --hold 0.3 \
    -- "$@" > /dev/null
  sleep 0.5
}
say "warming up"
fresh_program
warm_up "$WORK/xingjing" "$WORK/film.mp4"
warm_up "${MPV[@]}" --vo=gpu --gpu-sw "$WORK/film.mp4"
: > "$WORK/sound.ours"; : > "$WORK/sound.mpv"; : > "$WORK/sound.bare"; : > "$WORK/film.ours"; : > "$WORK/film.mpv"
for rep in $(seq "$REPEAT"); do
  say "repetition $rep of $REPEAT (load $(cut -d' ' -f1 /proc/loadavg))"
  fresh_program
  sound_run "$WORK/xingjing" "$WORK/song.mp3" >> "$WORK/sound.ours"
  sound_run "${MPV[@]}" --no-video "$WORK/song.mp3" >> "$WORK/sound.mpv"
  sound_run "$BARE" "$WORK/song.mp3" >> "$WORK/sound.bare"
  fresh_program
  film_run "$WORK/xingjing" "$WORK/film.mp4" >> "$WORK/film.ours"
  say "  player window $WINDOW_SIZE; ours: $(tail -1 "$WORK/film.ours")"
  film_run "${MPV[@]}" --vo=gpu --gpu-sw --geometry="$WINDOW_SIZE" "$WORK/film.mp4" >> "$WORK/film.mpv"
  say "  mpv: $(tail -1 "$WORK/film.mpv")"
done
say "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$WORK" <<'EOF'
import statistics, sys
work = sys.argv[1]

def column(name, index):
    values = []
    for line in open(f"{work}/{name}"):
        fields = line.split()
        if len(fields) > index and fields[index] != "none":
            values.append(float(fields[index]))
    return values

def pair(values, unit, scale=1.0, digits=3):
    if not values:
        return "none", None, None
    med, low = statistics.median(values) * scale, min(values) * scale
    return f"{med:.{digits}f} {unit} ({low:.{digits}f})", med, low

def ratio(ours, theirs):
    if None in (ours[1], theirs[1]) or not theirs[1] or not theirs[2]:
        return "none"
    return f"{ours[1] / theirs[1]:.2f} x ({ours[2] / theirs[2]:.2f} x)"

def row(measure, ours, theirs, compare, goal):
    print(f"| {measure} | {ours[0]} | {theirs[0]} | {compare} | {goal} |")

ours, theirs = pair(column("sound.ours", 0), "s"), pair(column("sound.mpv", 0), "s")
row("start to first sound of a command-line MP3", ours, theirs, ratio(ours, theirs),
    "<= 1.2 x (anchor: mpv --no-video)")
bare = pair(column("sound.bare", 0), "s")
row("the same beside a Qt program that only plays it through libmpv", ours, bare,
    ratio(ours, bare), "- (Qt's own share of the start)")
ours, theirs = pair(column("film.ours", 0), "s"), pair(column("film.mpv", 0), "s")
row("start to first 1080p H.264 frame", ours, theirs, ratio(ours, theirs),
    "<= 1.0 x (anchor: mpv with a window)")

def offsets(name):
    out = []
    for line in open(f"{work}/{name}"):
        f = line.split()
        if len(f) >= 2 and "none" not in f[:2]:
            out.append(float(f[1]) - float(f[0]))
    return out

ours = pair(offsets("film.ours"), "ms", 1000, 0)
theirs = pair(offsets("film.mpv"), "ms", 1000, 0)
gap = "none" if None in (ours[1], theirs[1]) else f"{ours[1] - theirs[1]:+.0f} ms"
row("sound minus picture at the start of a video", ours, theirs, gap,
    "within one frame: \\|ours\\| <= 33 ms")
ours, theirs = pair(column("film.ours", 3), "MiB", 1, 1), pair(column("film.mpv", 3), "MiB", 1, 1)
more = "none" if None in (ours[1], theirs[1]) else f"{ratio(ours, theirs)}, {ours[1] - theirs[1]:+.1f} MiB"
row("RSS playing 1080p", ours, theirs, more, "<= anchor + 15 MiB")
ours, theirs = pair(column("film.ours", 4), "MiB", 1, 1), pair(column("film.mpv", 4), "MiB", 1, 1)
more = "none" if None in (ours[1], theirs[1]) else f"{ours[1] - theirs[1]:+.1f} MiB"
row("of it anonymous (heap and the like, not shared pages)", ours, theirs, more, "-")
ours, theirs = pair(column("film.ours", 2), "%", 1, 1), pair(column("film.mpv", 2), "%", 1, 1)
row("CPU playing 1080p (% of one core)", ours, theirs, ratio(ours, theirs),
    "<= 1.1 x (anchor: mpv in a same-size window)")
EOF
