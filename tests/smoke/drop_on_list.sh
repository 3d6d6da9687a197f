#!/usr/bin/env bash
# A folder dragged from another program's window onto the playlist and dropped there: its sound
# files, those of its subfolder too, join the list; the text file beside them does not.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
for n in a b; do ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=1" "$WORK/$n.wav"; done
mkdir -p "$WORK/dropped/sub"
ffmpeg -v error -f lavfi -i "sine=frequency=500:duration=1" "$WORK/dropped/c.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=400:duration=1" "$WORK/dropped/sub/d.wav"
echo "not a song" > "$WORK/dropped/notes.txt"
printf '%s\r\n' "$WORK/a.wav" "$WORK/b.wav" > "$WORK/xjge.txt"
start_display
start_sound_server
start_panel

drag_source="$(dirname "$BIN")/tests/drag_source"
[ -x "$drag_source" ] || fail "the drag source is not built ($drag_source)"
"$drag_source" "$WORK/dropped" &
PIDS+=($!)
source_window=$(wait_window '^drag source$') || fail "no drag source window"
sleep 1

read -r sx sy < <(xwininfo -id "$source_window" |
  awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x + 100, y + 100}')
read -r lx ly < <(panel_point "$PANEL" 1500 600)
xdotool mousemove "$sx" "$sy" sleep 0.3 mousedown 1 sleep 0.3
# A drag moves in steps, as a hand does.
for i in $(seq 1 20); do
  xdotool mousemove $((sx + (lx - sx) * i / 20)) $((sy + (ly - sy) * i / 20)) sleep 0.05
done
xdotool sleep 0.5 mouseup 1

kinds=""
for _ in $(seq 20); do
  kinds=$(list_rows | awk '{print $1}' | tr '\n' ' ')
  [ "$kinds" = "plain plain plain plain " ] && break
  sleep 0.5
done
[ "$kinds" = "plain plain plain plain " ] || fail "after the drop the list shows: $kinds"
echo "PASS: the dropped folder's sound files joined the list"
