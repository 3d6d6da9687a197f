#!/usr/bin/env bash
# Saves cut off by SIGKILL: thirty times a full list (32 767 entries) is saved through
# 保存改动 and the program is killed at a random moment after the Yes. The song library file is
# then the whole old file or the whole new one, never a mix or a part, and the next start
# leaves nothing of the cut-off save beside it. XJ_SEED repeats a run; the seed is printed.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
seed="${XJ_SEED:-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')}"
echo "seed: $seed"
RANDOM=$seed

# Two lists in the order the playlist sorts them, so that a save writes back exactly what was
# read. Long lines make the save take long enough to be cut off in the middle.
for list in A B; do
  awk -v list="$list" 'BEGIN {
    pad = sprintf("%060d", 0)
    for (i = 0; i < 32767; i++) printf "/media/%s/%s/%05d.mp3\r\n", list, pad, i
  }' > "$WORK/$list.txt"
done
cmp -s "$WORK/A.txt" "$WORK/B.txt" && fail "the two lists are the same"
# A file of the user's that only looks like one of the program's stays.
printf 'mine\r\n' > "$WORK/xjge.txt.backup"
start_display
# The mixer opens on the desktop's sound server.
start_sound_server

# Starts the program and checks that nothing but the user's file sits beside the list.
start_and_look() {
  "$WORK/xingjing" &
  pid=$!
  PIDS+=($pid)
  PANEL=$(wait_window '^星鲸超级声海目录$' 60) || fail "no panel"
  local others
  others=$(cd "$WORK" && ls -A | grep -F 'xjge.txt' | grep -vx -e 'xjge.txt' -e 'xjge.txt.backup' || true)
  [ -z "$others" ] || fail "left beside the list after a start: $others"
  [ "$(cat "$WORK/xjge.txt.backup")" = $'mine\r' ] || fail "the user's file was changed"
}

old_kept=0
new_kept=0
for round in $(seq 30); do
  if [ $((round % 2)) = 1 ]; then shown=A other=B; else shown=B other=A; fi
  cp "$WORK/$shown.txt" "$WORK/xjge.txt"
  start_and_look
  # The file on disk becomes the other list; the save writes the shown one over it.
  cp "$WORK/$other.txt" "$WORK/swap" && mv "$WORK/swap" "$WORK/xjge.txt"
  press "$PANEL" alt+f
  sleep 0.3
  xdotool key b
  box=$(wait_window '^提示$' 20) || fail "round $round: no store question"
  delay=$((RANDOM % 1200))
  press "$box" Return
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  kill -KILL "$pid"
  wait_exit "$pid" 10 || fail "round $round: the program outlived SIGKILL"
  if cmp -s "$WORK/xjge.txt" "$WORK/$other.txt"; then
    old_kept=$((old_kept + 1))
  elif cmp -s "$WORK/xjge.txt" "$WORK/$shown.txt"; then
    new_kept=$((new_kept + 1))
  else
    fail "round $round (killed ${delay} ms after Yes): xjge.txt is neither the old file nor the new one ($(stat -c %s "$WORK/xjge.txt") bytes)"
  fi
done
start_and_look
kill -KILL "$pid"
echo "PASS: 30 saves killed, the old file kept $old_kept times, the new one $new_kept times; nothing left behind"
