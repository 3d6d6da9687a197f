#!/usr/bin/env bash
# A file named on the command line: the panel is captioned with its path, the player window
# appears, and its sound reaches the sound server. Sound alone never loads OpenGL, whose driver
# would hold up the start.
source "$(dirname "$0")/lib/common.bash"
install_program
printf ' 1 \r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=20" -q:a 5 "$WORK/song.mp3"
start_display
start_sound_server

"$WORK/xingjing" "$WORK/song.mp3" &
program=$!
PIDS+=("$program")

wait_window "^$WORK/song.mp3\$" >/dev/null || fail "no panel captioned with the path"
wait_window '^星鲸超级声海$' >/dev/null || fail "no player window"

streams=""
for _ in $(seq 100); do
  streams=$(pactl list short sink-inputs)
  [ -n "$streams" ] && break
  sleep 0.1
done
[ -n "$streams" ] || fail "no stream reached the sound server"
sleep 3
# Most of the last two seconds recorded (352800 bytes) is the tone, not silence.
loud=$(recent_sound 352800)
[ "$loud" -gt 176400 ] || fail "the sound server hears silence ($loud bytes of sound)"
gl=$(grep -E '_dri\.so|libGLX_mesa|libEGL_mesa' "/proc/$program/maps" | awk '{print $6}' | sort -u || true)
[ -z "$gl" ] || fail "OpenGL was loaded for sound alone: $gl"
echo "PASS: panel and player window up, the tone reaches the sound server, no OpenGL loaded"
