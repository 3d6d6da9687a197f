#!/usr/bin/env bash
# The player window's own bar and keys, as a person uses them on the audio strip: a click on
# the position slider jumps playback there, the arrow keys go back, Space pauses.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
# A low tone for 40 s, then a high one: what is heard tells where playback is.
ffmpeg -v error -f lavfi -i "sine=frequency=300:duration=40" -f lavfi -i "sine=frequency=900:duration=20" \
  -filter_complex "[0][1]concat=n=2:v=0:a=1" "$WORK/song.wav"
printf '%s\r\n' "$WORK/song.wav" > "$WORK/xjge.txt"
start_display
start_sound_server
start_panel
double_click_first_entry
PLAYER=$(wait_window '^星鲸超级声海$') || fail "no player window"
sleep 1

# The audio strip is the bar: the slider runs along its lower half between the two times.
info=$(xwininfo -id "$PLAYER")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
mark=$(sound_mark)
xdotool mousemove $((x + w * 3 / 4)) $((y + h - h / 4)) click 1
sleep 2
heard=$(tones_since "$mark" 300 900 | tr '\n' ' ')
case "$heard" in
  *900*) ;;
  *) fail "a click three quarters along the bar did not reach the high tone; heard: $heard" ;;
esac

# Three steps back from past 45 s land before 40 s: the low tone again.
mark=$(sound_mark)
for _ in 1 2 3; do press "$PLAYER" Left; done
sleep 2
heard=$(tones_since "$mark" 300 900 | tr '\n' ' ')
case "$heard" in
  *"900 300"* | "300"*) ;;
  *) fail "Left three times did not go back to the low tone; heard: $heard" ;;
esac

press "$PLAYER" space
sleep 1
[ "$(recent_sound 44100)" -eq 0 ] || fail "Space did not pause"
press "$PLAYER" space
sleep 1
[ "$(recent_sound 44100)" -gt 1000 ] || fail "Space did not play again"
echo "PASS: the bar's click and the player window's keys move and pause playback"
