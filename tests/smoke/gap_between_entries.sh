#!/usr/bin/env bash
# Continuous play leaves no silence to speak of between entries: the end of one is heard from
# the player, not found by the next status poll. The silence is measured in what reached the
# sound server.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=300:duration=1.5" "$WORK/1.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=4" "$WORK/2.wav"
printf '%s\r\n' "$WORK/1.wav" "$WORK/2.wav" > "$WORK/xjge.txt"
start_display
start_sound_server

start_panel
double_click_first_entry
caption=$(wait_caption "$PANEL" "$WORK/2.wav") || fail "the second entry did not follow: $caption"
sleep 2
heard=$(python3 "$(dirname "$0")/lib/tones.py" "$WORK/sound.raw" 300 600 | head -2 | tr '\n' ' ')
[ "$heard" = "300 600 " ] || fail "heard: $heard"
# The status poll alone left up to 2 s; the player's own end notice leaves a fraction of that.
longest=$(python3 "$(dirname "$0")/lib/gaps.py" "$WORK/sound.raw" | sort -n | tail -1)
longest=${longest:-0}
echo "longest silence between the entries: ${longest} ms"
[ "$longest" -lt 300 ] || fail "a silence of ${longest} ms between the entries"
echo "PASS: the second entry followed the first after ${longest} ms"
