#!/usr/bin/env bash
# Reverse play from the panel's tool area: the video stops sounding and runs back to its start,
# then the list moves on to the next entry, caption and sound. From the play menu it silences
# that entry too, and the tool area's button switches it off: the entry sounds again.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
# Long enough that, played forwards, it could not end within the time allowed below.
ffmpeg -v error -f lavfi -i "testsrc=duration=30:size=320x240:rate=10" \
  -f lavfi -i "sine=frequency=300:duration=30" -c:v mpeg4 -g 5 -q:v 5 -c:a aac -shortest \
  "$WORK/1.mp4"
ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=30" "$WORK/2.wav"
printf '%s\r\n' "$WORK/1.mp4" "$WORK/2.wav" > "$WORK/xjge.txt"
start_display
start_sound_server
start_panel

# Reverse play pauses the player: once what it had handed to the sink has played out, a tenth
# of a second (17640 bytes) is silent.
wait_silence() {
  for _ in $(seq 30); do
    [ "$(recent_sound 17640)" -lt 1000 ] && return 0
    sleep 0.1
  done
  return 1
}

double_click_first_entry
caption=$(wait_caption "$PANEL" "$WORK/1.mp4") || fail "the video is not playing: $caption"
mark=$(sound_mark)
sleep 3
heard=$(tones_since "$mark" 300 600 | tr '\n' ' ')
[ "$heard" = "300 " ] || fail "before reverse play, heard: $heard"

# The tool area opens with its button (Command11, 2935,1360 375×285 twips); reverse play is
# its Command30 (2520,1680 255×255).
click_panel 1 3122 1502
sleep 0.5
read -r reverse_x reverse_y < <(panel_point "$PANEL" 2647 1807)
xdotool mousemove "$reverse_x" "$reverse_y" click 1
wait_silence || fail "the video went on sounding under reverse play"
# From here nothing may sound until the next entry: four seconds back at one and a half times
# real time, then the next status tick.
mark=$(sound_mark)
caption=$(wait_caption "$PANEL" "$WORK/2.wav" 8) || fail "the next entry did not follow: $caption"
sleep 1
heard=$(tones_since "$mark" 300 600 | tr '\n' ' ')
[ "$heard" = "600 " ] || fail "from reverse play to the next entry, heard: $heard"

# Some seconds into the entry, so that a short while back does not reach its start: reverse
# play from the menu bar's play menu ("播放(&O)", "慢速倒播(&X)"), then off by the button.
sleep 4
press "$PANEL" alt+o
xdotool key x
wait_silence || fail "the entry went on sounding under reverse play from the menu"
mark=$(sound_mark)
xdotool mousemove "$reverse_x" "$reverse_y" click 1
sleep 1.5
heard=$(tones_since "$mark" 300 600 | tr '\n' ' ')
[ "$heard" = "600 " ] || fail "after reverse play was switched off, heard: $heard"
caption=$(xdotool getwindowname "$PANEL")
[ "${caption#● }" = "$WORK/2.wav" ] || fail "reverse play switched off moved on to: $caption"
echo "PASS: reverse play ran silently back to the start, the next entry followed; off, it sounds"
