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
xdotool windowactivate --sync "$PANEL"
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
xdotool windowactivate --sync "$PANEL"
xdotool key alt+o
sleep 0.5
xdotool key d

# The MP3 from the keyboard: the list's last entry, Enter plays it.
xdotool windowactivate --sync "$PANEL"
list_xy=$(panel_point "$PANEL" 300 120)
xdotool mousemove ${list_xy% *} ${list_xy#* } click 1
xdotool key End Return
wait_caption "$PANEL" "$WORK/zz-song.mp3" 10 >/dev/null || fail "the MP3 did not start"
time_shown() {
  accessibles | awk -F'\t' '$1 == "label" && $2 ~ /^[0-9][0-9]:[0-9][0-9]$/ {print $2; exit}'
}
sleep 2
first=$(time_shown)
sleep 3
second=$(time_shown)
[ -n "$first" ] && [ -n "$second" ] || fail "no time display found: $(accessibles | grep label)"
seconds() { echo $(( 10#${1%:*} * 60 + 10#${1#*:} )); }
moved=$(( $(seconds "$second") - $(seconds "$first") ))
[ "$moved" -ge 2 ] && [ "$moved" -le 4 ] || fail "the time display went from $first to $second"
echo "PASS: slides every ~3.5 s (${changes[*]} ms), the time display counts $first → $second"
