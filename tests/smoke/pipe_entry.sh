#!/usr/bin/env bash
# An entry that is a named pipe, as a hung mount would present a song: it is refused at once
# with the unplayable message instead of holding the window, and the next entry plays.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
mkfifo "$WORK/a-pipe.mp3"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$WORK/b.wav"
printf '%s\r\n' "$WORK/a-pipe.mp3" "$WORK/b.wav" > "$WORK/xjge.txt"
start_display
start_sound_server

start_panel
double_click_first_entry
box=$(wait_window '^星鲸声海$' 10) || fail "no message for the pipe"
press "$box" Return
caption=$(wait_caption "$PANEL" "$WORK/b.wav") || fail "the next entry is not playing: $caption"
for _ in $(seq 50); do [ "$(recent_sound 44100)" -gt 1000 ] && break; sleep 0.2; done
[ "$(recent_sound 44100)" -gt 1000 ] || fail "the next entry is not heard"
echo "PASS: the pipe refused with its message, the next entry heard"
