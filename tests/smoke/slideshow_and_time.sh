#!/usr/bin/env bash
# The fast slideshow steps through four pictures in the player window every 3.5 s (its centre
# changes colour); the time display counts an MP3's position as a screen reader reads it.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/accessibility.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
for c in blue lime red yellow; do
  ffmpeg -v error -f lavfi -i "color=c=$c:s=320x240" -frames:v 1 "$WORK/$c.png"
done
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=20" -metadata title="星鲸测试曲" \
  -ar 44100 "$WORK/zz-song.mp3"
printf '%s\r\n' "$WORK/blue.png" "$WORK/lime.png" "$WORK/red.png" "$WORK/yellow.png" \
  "$WORK/zz-song.mp3" > "$WORK/xjge.txt"
start_display
start_sound_server
start_accessibility
start_window_manager
start_panel

double_click_first_entry
player=$(wait_window '^星鲸超级声海$') || fail "no player window"
centre_point() {
  local info x y w h
  info=$(xwininfo -id "$player")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  echo $((x + w / 2)) $((y + h / 3))
}
centre() {
  pixel_at $(centre_point)
}
# Each channel full or empty, give or take the scaling's rounding.
colour_name() {
  local r g b bits=""
  read -r r g b <<<"$1"
  for v in "$r" "$g" "$b"; do
    if [ "$v" -ge 200 ]; then bits+=1; elif [ "$v" -le 60 ]; then bits+=0; else bits+=x; fi
  done
  case "$bits" in
    001) echo blue ;; 010) echo lime ;; 100) echo red ;; 110) echo yellow ;; *) echo other ;;
  esac
}
for _ in $(seq 50); do [ "$(colour_name "$(centre)")" = blue ] && break; sleep 0.1; done
[ "$(colour_name "$(centre)")" = blue ] || fail "the first picture is not shown: $(centre)"

# The centre is filmed 20 times a second from before the command on: single grabs take too
# long on a busy machine to time the changes. Frame n is at n * 50 ms of the film.
read -r cx cy < <(centre_point)
ffmpeg -v error -f x11grab -draw_mouse 0 -framerate 20 -video_size 1x1 -i "$DISPLAY+$cx,$cy" -t 15 -r 20 -flush_packets 1 \
  -f rawvideo -pix_fmt rgb24 "$WORK/centre.raw" &
film=$!
PIDS+=($film)
for _ in $(seq 100); do [ -s "$WORK/centre.raw" ] && break; sleep 0.1; done
[ -s "$WORK/centre.raw" ] || fail "the screen could not be filmed"
# 播放(&O) > 快放幻灯片(&D), from the keyboard.
activate_window "$PANEL"
xdotool key alt+o
sleep 0.5
xdotool key d
wait "$film" || fail "filming the screen failed"
seen="blue"
changes=()
n=0
while read -r r g b; do
  now=$(colour_name "$r $g $b")
  if [ "$now" != other ] && [ "$now" != "${seen##* }" ]; then
    seen="$seen $now"
    changes+=($((n * 50)))
  fi
  n=$((n + 1))
done < <(od -An -v -tu1 -w3 "$WORK/centre.raw")
case "$seen" in
  "blue lime red yellow"*) ;;
  *) fail "the slideshow showed: $seen (changes at ${changes[*]} ms of the film)" ;;
esac
# About every 3.5 s: the steps between the changes seen.
for i in 1 2; do
  step=$(( changes[i] - changes[i - 1] ))
  [ "$step" -ge 2500 ] && [ "$step" -le 4500 ] || fail "a slide lasted $step ms (${changes[*]})"
done
# Untick it again.
activate_window "$PANEL"
xdotool key alt+o
sleep 0.5
xdotool key d

# The MP3 from the keyboard: the list's last entry, Enter plays it.
activate_window "$PANEL"
list_xy=$(panel_point "$PANEL" 300 120)
xdotool mousemove ${list_xy% *} ${list_xy#* } click 1
xdotool key End Return
wait_caption "$PANEL" "$WORK/zz-song.mp3" 10 >/dev/null || fail "the MP3 did not start"
# The panel's time display: its tooltip gives the total length. (The whole list is read: awk
# leaving early would make the reader's pipe fail.)
time_shown() {
  accessibles | awk -F'\t' '$1 == "label" && $2 ~ /^[0-9][0-9]:[0-9][0-9]$/ && $3 ~ /^总长/ && !done {print $2; done = 1}'
}
sleep 2
first=$(time_shown)
sleep 3
second=$(time_shown)
[ -n "$first" ] && [ -n "$second" ] || fail "no time display found: $(accessibles | grep label)"
seconds() { echo $(( 10#${1%:*} * 60 + 10#${1#*:} )); }
moved=$(( $(seconds "$second") - $(seconds "$first") ))
[ "$moved" -ge 2 ] && [ "$moved" -le 4 ] || fail "the time display went from $first to $second"

# 工具(&T) > 当前媒体资料(&B): the information display names the title tag and the sample rate.
activate_window "$PANEL"
xdotool key alt+t
sleep 0.5
xdotool key b
for _ in $(seq 20); do
  shown=$(accessibles | cut -f2)
  grep -q "星鲸测试曲" <<<"$shown" && grep -q "44100 Hz" <<<"$shown" && break
  sleep 0.5
done
grep -q "星鲸测试曲" <<<"$shown" || fail "the information display has no title: $shown"
grep -q "44100 Hz" <<<"$shown" || fail "the information display has no sample rate: $shown"

# The bar's slider dragged from its start to its middle: the 20-s file plays on from about 10 s.
# The strip grew with the display; the status timer puts it back on the panel within 2 s.
sleep 2.5
read -r sx sy sw sh < <(accessibles | awk -F'\t' '$1 == "slider" && !done {print $4; done = 1}') || true
[ -n "${sw:-}" ] && [ "$sw" -gt 20 ] || fail "no position slider: $(accessibles | grep slider)"
xdotool mousemove $((sx + 4)) $((sy + sh / 2)) mousedown 1
for f in 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((sx + sw * f / 20)) $((sy + sh / 2))
  sleep 0.05
done
xdotool mouseup 1
sleep 1.5
shown_at=$(time_shown)
[ -n "$shown_at" ] || fail "no time display after the drag"
at=$(seconds "$shown_at")
[ "$at" -ge 9 ] && [ "$at" -le 13 ] || fail "after the drag to the middle the time display reads $at s"
echo "PASS: slides every ~3.5 s (${changes[*]} ms), the time display counts $first → $second," \
  "the information display names the tag, the drag lands at $at s"
