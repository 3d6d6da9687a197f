#!/usr/bin/env bash
# A second start with a file while the first runs: the first takes the file on top of its list,
# highlighted, and plays it (its panel's caption names it, and it sounds); the second says the
# program already runs and ends. A second start without a file changes nothing.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
for n in a b; do ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=1" "$WORK/$n.wav"; done
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$WORK/handed-over-longest-name.wav"
printf '%s\r\n' "$WORK/a.wav" "$WORK/b.wav" > "$WORK/xjge.txt"
start_display
start_sound_server

start_panel
first=${PIDS[-1]}

# Without a file nothing is handed over: the list keeps its two plain rows.
"$WORK/xingjing" &
second=$!
PIDS+=($second)
box=$(wait_window '^提示$') || fail "the second instance shows no message"
press "$box" Return
wait_exit "$second" 15 || fail "the second instance without a file did not end"
sleep 1
kinds=$(list_rows | awk '{print $1}' | tr '\n' ' ')
[ "$kinds" = "plain plain " ] || fail "a start without a file changed the list: $kinds"

"$WORK/xingjing" "$WORK/handed-over-longest-name.wav" &
second=$!
PIDS+=($second)
box=$(wait_window '^提示$') || fail "the second instance with a file shows no message"
# The running instance plays the file while the message is still open.
seen=$(wait_caption "$PANEL" "$WORK/handed-over-longest-name.wav" 15) ||
  fail "the running panel's caption reads '$seen'"
kill -0 "$second" 2>/dev/null || fail "the second instance ended before its message was closed"
press "$box" Return
wait_exit "$second" 15 || fail "the second instance with a file did not end"
[ "$EXIT_CODE" = 0 ] || fail "the second instance ended with $EXIT_CODE"

# The handed-over file stands highlighted on top; its name is the longest.
rows=$(list_rows)
kinds=$(awk '{print $1}' <<<"$rows" | tr '\n' ' ')
[ "$kinds" = "highlighted plain plain " ] || fail "the list shows these rows: $(tr '\n' ' ' <<<"$rows")"
awk 'NR == 1 {top = $2} NR > 1 && $2 + 20 > top {bad = 1} END {exit bad}' <<<"$rows" ||
  fail "the top row is not the handed-over file: $(tr '\n' ' ' <<<"$rows")"
# 44100 frames of 4 bytes: the last second recorded holds the tone.
[ "$(recent_sound 176400)" -gt 1000 ] || fail "nothing is heard"
kill -0 "$first" 2>/dev/null || fail "the first instance died"
echo "PASS: the handed-over file plays on top of the running list; the second start ended"
