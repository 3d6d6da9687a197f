#!/usr/bin/env bash
# A file named on the command line: the panel is captioned with its path, the player window
# appears, and its sound comes out of the default output.
source "$(dirname "$0")/lib/common.bash"
install_program
printf ' 1 \r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=20" -q:a 5 "$WORK/song.mp3"
start_display

"$WORK/xingjing" "$WORK/song.mp3" &
PIDS+=($!)

wait_window "^$WORK/song.mp3\$" >/dev/null || fail "no panel captioned with the path"
wait_window '^星鲸超级声海$' >/dev/null || fail "no player window"

# Two seconds of 16-bit stereo at 44.1 kHz or more, and not silence.
for _ in $(seq 150); do
  size=$(stat -c %s "$WORK/sound.raw" 2>/dev/null || echo 0)
  [ "$size" -gt 352800 ] && break
  sleep 0.1
done
[ "$size" -gt 352800 ] || fail "the sound output got $size bytes"
nonzero=$(head -c 352800 "$WORK/sound.raw" | tr -d '\0' | wc -c)
[ "$nonzero" -gt 10000 ] || fail "the sound output is silent"
echo "PASS: panel and player window up, $size bytes of sound written"
