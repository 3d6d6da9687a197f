#!/usr/bin/env bash
# A second start while the first runs says so and ends; the first keeps running.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
start_display
# The desktop's sound server holds the volume the panel opens at start.
start_sound_server

"$WORK/xingjing" &
first=$!
PIDS+=($first)
wait_window '^星鲸超级声海目录$' >/dev/null || fail "the first instance shows no panel"

"$WORK/xingjing" &
second=$!
PIDS+=($second)
box=$(wait_window '^提示$') || fail "the second instance shows no message"
kill -0 "$second" 2>/dev/null || fail "the second instance ended before its message was closed"
press "$box" Return
wait_exit "$second" 15 || fail "the second instance did not end"
[ "$EXIT_CODE" = 0 ] || fail "the second instance ended with $EXIT_CODE"
kill -0 "$first" 2>/dev/null || fail "the first instance died"
wait_window '^星鲸超级声海目录$' 2 >/dev/null || fail "the first instance lost its panel"
echo "PASS: the second instance said so and ended; the first runs on"
