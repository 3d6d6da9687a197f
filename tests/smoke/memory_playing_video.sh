#!/usr/bin/env bash
# While a 1080p film plays, the program holds no more anonymous memory (heap, decoded frames,
# textures) than mpv itself playing the same film in a window of the same size with the same
# OpenGL and sound server: what the front-end adds around the player is small.
source "$(dirname "$0")/lib/common.bash"
command -v mpv >/dev/null || fail "mpv is needed as the reference (apt-get install mpv)"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=25:duration=25" \
  -f lavfi -i "sine=frequency=440:duration=25" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$WORK/film.mp4"
start_display
start_sound_server
start_window_manager

MARGIN_KIB=$((10 * 1024))
rss_anon() { awk '/^RssAnon:/ {print $2}' "/proc/$1/status"; }

# Lets a player run the film for a while, then prints its anonymous resident memory in KiB.
anon_while_playing() {
  local pid="$1" kib
  sleep 12
  kill -0 "$pid" 2>/dev/null || fail "$2 ended while the film should still play"
  kib=$(rss_anon "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$kib"
}

"$WORK/xingjing" "$WORK/film.mp4" &
ours_pid=$!
PIDS+=("$ours_pid")
player=$(wait_window '^星鲸超级声海$') || fail "no player window"
size=$(xwininfo -id "$player" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}')
ours=$(anon_while_playing "$ours_pid" "the program")

mpv --no-config --really-quiet --ao=pulse --vo=gpu --gpu-sw --geometry="$size" \
  "$WORK/film.mp4" &
mpv_pid=$!
PIDS+=("$mpv_pid")
theirs=$(anon_while_playing "$mpv_pid" "mpv")

echo "anonymous memory playing 1080p in $size: ours $((ours / 1024)) MiB, mpv $((theirs / 1024)) MiB"
[ "$ours" -le $((theirs + MARGIN_KIB)) ] ||
  fail "the program holds $(((ours - theirs) / 1024)) MiB more anonymous memory than mpv"
echo "PASS: playing 1080p, no more anonymous memory than mpv beside it"
