#!/usr/bin/env bash
# First run: the question about the option is asked and answered into xp.txt, the song library
# file is created empty; closing after a change asks to save, and Yes writes the list.
source "$(dirname "$0")/lib/common.bash"
install_program
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$WORK/tone.wav"
start_display
# The desktop's sound server holds the volume the panel opens at start.
start_sound_server
start_window_manager

"$WORK/xingjing" "$WORK/tone.wav" &
pid=$!
PIDS+=($pid)
box=$(wait_window '^星鲸超级声海提示$') || fail "no first-run question"
[ -f "$WORK/xjge.txt" ] || fail "xjge.txt was not created"
[ -s "$WORK/xjge.txt" ] && fail "xjge.txt is not empty"
press "$box" Return
for _ in $(seq 50); do [ -s "$WORK/xp.txt" ] && break; sleep 0.1; done
[ "$(od -An -c "$WORK/xp.txt" | tr -s ' ')" = " 1 \r \n" ] || fail "xp.txt holds: $(od -c "$WORK/xp.txt")"

# The command-line file counts as a change: closing asks to save. Three seconds after start
# it has joined the playlist, on top.
panel=$(wait_window "^$WORK/tone.wav\$") || fail "no panel"
sleep 4
close_window "$panel"
box=$(wait_window '^星鲸超级声海提示$') || fail "no save question on closing"
press "$box" Return
wait_exit "$pid" 15 || fail "the program did not end after the save"
[ "$EXIT_CODE" = 0 ] || fail "the program ended with $EXIT_CODE"
expected=$({ printf '%s\r\n' "$WORK/tone.wav"; printf '1、亲爱的用户朋友，您们好！\r\n2、欢迎使用星鲸超级声海，它一定会让您满意！\r\n3、本软件功能强大，几乎支持所有的多媒体格式！\r\n4、请用望远镜搜索多媒体文件、MP3或打开指定位置手动添加目录或文件！\r\n'; } | od -An -c)
[ "$(od -An -c "$WORK/xjge.txt")" = "$expected" ] || fail "xjge.txt holds: $(cat -A "$WORK/xjge.txt")"
echo "PASS: first-run answer written, the list saved on closing"
