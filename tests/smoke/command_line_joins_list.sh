#!/usr/bin/env bash
# A video named on the command line and missing from the playlist: a few seconds after start it
# stands highlighted on top of the list (not at its alphabetical place), and closing offers to
# save the list, Yes writing it first. Its name is the longest, to be told apart on the screen.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "testsrc=duration=20:size=320x240:rate=25" \
  -f lavfi -i "sine=frequency=300:duration=20" -c:v mpeg4 -q:v 5 -c:a aac -shortest \
  "$WORK/named-clip.mp4"
for n in a b; do ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=1" "$WORK/$n.wav"; done
printf '%s\r\n' "$WORK/a.wav" "$WORK/b.wav" > "$WORK/xjge.txt"
start_display
start_window_manager
start_sound_server

"$WORK/xingjing" "$WORK/named-clip.mp4" &
pid=$!
PIDS+=($pid)
PANEL=$(wait_window "^$WORK/named-clip.mp4\$") || fail "no panel"
player=$(wait_window '^星鲸超级声海$') || fail "no player window"

# Three seconds after start the named file joins the list; longer on a busy machine. Then the
# top row, highlighted, holds the longest name: the video's.
named_on_top() {
  local kinds
  kinds=$(awk '{print $1}' <<<"$rows" | tr '\n' ' ')
  [ "$kinds" = "highlighted plain plain " ] &&
    awk 'NR == 1 {top = $2} NR > 1 && $2 + 20 > top {bad = 1} END {exit bad}' <<<"$rows"
}
rows=""
deadline=$((SECONDS + 15))
while [ "$SECONDS" -lt "$deadline" ]; do
  rows=$(list_rows)
  named_on_top && break
  sleep 0.5
done
named_on_top || fail "the list shows these rows: $(tr '\n' ' ' <<<"$rows")"
# A video is started again to fit the player window, which then stands at the top of the screen.
read -r _ top _ _ < <(frame_edges "$player")
[ "$top" -lt 20 ] || fail "the player window stayed at $top pixels from the top"

close_window "$PANEL"
box=$(wait_window '^星鲸超级声海提示$') || fail "no save question on closing"
press "$box" Return
wait_exit "$pid" 15 || fail "the program did not end after the save"
expected=$(printf '%s\r\n' "$WORK/named-clip.mp4" "$WORK/a.wav" "$WORK/b.wav" | od -An -c)
[ "$(od -An -c "$WORK/xjge.txt")" = "$expected" ] || fail "xjge.txt holds: $(cat -A "$WORK/xjge.txt")"
echo "PASS: the named video highlighted on top of the list, saved first on closing"
