#!/usr/bin/env bash
# Closing while the list plays: the player stops with its window, and nothing starts playing
# again while the save question waits for an answer.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
for n in 1 2 3; do
  ffmpeg -v error -f lavfi -i "sine=frequency=$((300 * n)):duration=1.5" "$WORK/$n.wav"
done
ffmpeg -v error -f lavfi -i "sine=frequency=200:duration=0.5" "$WORK/0.wav"
printf '%s\r\n' "$WORK/1.wav" "$WORK/2.wav" "$WORK/3.wav" > "$WORK/xjge.txt"
start_display
start_window_manager
start_sound_server

# A file named on the command line counts as a change: closing will ask to save. Three seconds
# after start it joins the list on top (an entry started before then would be taken for it).
"$WORK/xingjing" "$WORK/0.wav" &
pid=$!
PIDS+=($pid)
PANEL=$(wait_window "^$WORK/0.wav\$") || fail "no panel"
sleep 4
double_click_first_entry
caption=$(wait_caption "$PANEL" "$WORK/1.wav") || fail "the first entry is not playing: $caption"
[ "$(recent_sound 44100)" -gt 1000 ] || fail "nothing heard before closing"

close_window "$PANEL"
box=$(wait_window '^星鲸超级声海提示$') || fail "no save question on closing"
# The status timer would have moved on to the next entries by now; a second to let the
# player's last buffer drain, then four under the question.
sleep 5
heard=$(recent_sound $((44100 * 4 * 4)))
[ "$heard" -lt 1000 ] || fail "sound while the save question was open ($heard bytes)"
press "$box" Escape
wait_exit "$pid" 15 || fail "the program did not end after No"
echo "PASS: silence behind the save question, the program ended on No"
