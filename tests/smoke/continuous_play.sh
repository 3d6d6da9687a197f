#!/usr/bin/env bash
# A playlist of three short files: double-clicking the first plays all three in turn and wraps
# to the first, the panel's caption following; single-entry loop repeats one entry.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
for n in 1 2 3; do
  ffmpeg -v error -f lavfi -i "sine=frequency=$((300 * n)):duration=2" "$WORK/$n.wav"
done
printf '%s\r\n' "$WORK/1.wav" "$WORK/2.wav" "$WORK/3.wav" > "$WORK/xjge.txt"
start_display
start_sound_server

start_panel
double_click_first_entry

# A 2-s entry may end before the first tick writes its name; the next ones are each seen.
seen=$(watch_captions "$PANEL" 16 | grep -v '星鲸超级声海目录' | tr '\n' ' ')
case "$seen" in
  *"$WORK/2.wav $WORK/3.wav $WORK/1.wav "*) ;;
  *) fail "captions went: $seen" ;;
esac
# What was heard: 300, 600 and 900 Hz in turn, then 300 again.
heard=$(python3 "$(dirname "$0")/lib/tones.py" "$WORK/sound.raw" 300 600 900 | head -4 | tr '\n' ' ')
[ "$heard" = "300 600 900 300 " ] || fail "heard: $heard"

# Single-entry loop: a click on the loop label; the entry then stays while sound goes on.
read -r x y < <(panel_point "$PANEL" 3480 1465)
xdotool mousemove "$x" "$y" click 1
sleep 2.5
held=$(xdotool getwindowname "$PANEL")
seen=$(watch_captions "$PANEL" 7 | tr '\n' ' ')
[ "$seen" = "$held " ] || fail "single-entry loop moved on: $seen"
[ "$(recent_sound 176400)" -gt 50000 ] || fail "no sound while looping one entry"
echo "PASS: three entries in turn and back to the first; one entry looped"
