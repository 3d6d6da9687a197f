#!/usr/bin/env bash
# An entry that cannot be played: its message shows, the next entry plays, and the panel asks
# for attention on the status timer's ticks.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$WORK/b.wav"
printf '%s\r\n' "$WORK/a-missing.wav" "$WORK/b.wav" > "$WORK/xjge.txt"
start_display
start_sound_server

start_panel
double_click_first_entry
box=$(wait_window '^星鲸声海$' 10) || fail "no message for the missing file"
press "$box" Return
caption=$(wait_caption "$PANEL" "$WORK/b.wav") || fail "the next entry is not playing: $caption"
# The title blinks on every tick of the status timer.
marks=$(watch_captions "$PANEL" 6 | grep -c "^● $WORK/b.wav\$" || true)
[ "$marks" -ge 2 ] || fail "the panel's title did not blink ($marks times)"
echo "PASS: message shown, next entry playing, the panel's title blinking"
