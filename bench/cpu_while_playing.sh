#!/usr/bin/env bash
# CPU used while an audio file plays, with the panel idle: this program beside mpv itself on
# the same file, the same sound server and the same display, one after the other.
# Run: bash bench/cpu_while_playing.sh build/xingjing [SECONDS]   (needs the mpv player)
source "$(dirname "$0")/../tests/smoke/lib/common.bash"
SECONDS_MEASURED="${2:-20}"
command -v mpv >/dev/null || fail "mpv is needed for the comparison (apt-get install mpv)"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=120" -b:a 192k "$WORK/song.mp3"
start_display
start_sound_server

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() {
  local pid="$1" hz before after
  hz=$(getconf CLK_TCK)
  sleep 3 # past start-up
  before=$(ticks "$pid")
  sleep "$SECONDS_MEASURED"
  after=$(ticks "$pid")
  awk -v t=$((after - before)) -v hz="$hz" -v s="$SECONDS_MEASURED" \
    'BEGIN { printf "%.2f%% of one core", 100 * t / hz / s }'
}

"$WORK/xingjing" "$WORK/song.mp3" &
pid=$!
PIDS+=($pid)
ours=$(measure "$pid")
kill "$pid"

mpv --no-config --really-quiet --ao=pulse --vo=null "$WORK/song.mp3" &
pid=$!
PIDS+=($pid)
theirs=$(measure "$pid")
kill "$pid"

echo "xingjing: $ours; mpv: $theirs (over $SECONDS_MEASURED s of playback)"
