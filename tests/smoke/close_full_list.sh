#!/usr/bin/env bash
# Closing with a full, changed playlist: Yes writes every entry, the program ends at once, and
# the next start is the only instance again and loads the list it saved.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
awk 'BEGIN { for (i = 0; i < 32766; i++) printf "/m/专辑%d/Track %05d.mp3\r\n", i % 500, i }' \
  > "$WORK/xjge.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$WORK/tone.wav"
start_display
start_sound_server
start_window_manager

# The command-line file fills the list's last place three seconds after start.
"$WORK/xingjing" "$WORK/tone.wav" &
pid=$!
PIDS+=($pid)
panel=$(wait_window "^$WORK/tone.wav\$" 60) || fail "no panel"
sleep 4
close_window "$panel"
box=$(wait_window '^星鲸超级声海提示$' 20) || fail "no save question on closing"
press "$box" Return
wait_exit "$pid" 15 || fail "the program did not end after the save"
[ "$EXIT_CODE" = 0 ] || fail "the program ended with $EXIT_CODE"
[ "$(grep -c $'\r$' "$WORK/xjge.txt")" = 32767 ] || fail "saved $(grep -c . "$WORK/xjge.txt") lines"
head -n 1 "$WORK/xjge.txt" | grep -q "^$WORK/tone.wav"$'\r$' || fail "the file's first line: $(head -n 1 "$WORK/xjge.txt")"
cp "$WORK/xjge.txt" "$WORK/saved.txt"

# The next start runs as the only instance and leaves the saved list as it is.
"$WORK/xingjing" &
again=$!
PIDS+=($again)
wait_window '^星鲸超级声海目录$' 60 >/dev/null || fail "the next start shows no panel"
wait_window '^提示$' 2 >/dev/null && fail "the next start took itself for a second instance"
kill -0 "$again" 2>/dev/null || fail "the next start ended"
cmp -s "$WORK/xjge.txt" "$WORK/saved.txt" || fail "the next start changed the saved file"
echo "PASS: a full list saved on closing, the program ended, and started again as the only one"
