#!/usr/bin/env bash
# The player as desktop tools see it over MPRIS2: playerctl plays, pauses, skips, seeks, sets
# the volume and stops, and the panel's caption, the sound and what playerctl reads follow.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=300:duration=30" -metadata title="低音" "$WORK/1.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=30" -metadata title="中音" "$WORK/2.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=900:duration=30" -metadata title="高音" "$WORK/3.wav"
printf '%s\r\n' "$WORK/1.wav" "$WORK/2.wav" "$WORK/3.wav" > "$WORK/xjge.txt"

# A session bus of the test's own.
start_session_bus
start_display
start_sound_server
start_panel
program_pid="${PIDS[-1]}"

pc() { playerctl -p xingjing "$@" 2>/dev/null || true; }
# Waits up to 10 seconds for `playerctl $1` to print $2; fails with what it printed last.
expect_pc() {
  local what="$1" want="$2" got=""
  for _ in $(seq 50); do
    got=$(pc $what)
    [ "$got" = "$want" ] && return 0
    sleep 0.2
  done
  fail "playerctl $what printed '$got', not '$want'"
}
expect_caption() {
  local seen
  seen=$(wait_caption "$PANEL" "$1") || fail "$2: the caption reads '$seen'"
}
# Only tone $2 is heard from mark $1 on.
expect_tone() {
  local heard
  heard=$(tones_since "$1" 300 600 900 | tr '\n' ' ')
  [ "$heard" = "$2 " ] || fail "$3: heard '$heard'"
}
expect_silence() {
  local mark
  sleep 0.5
  mark=$(sound_mark)
  sleep 1
  [ "$(tail -c +"$((mark + 1))" "$WORK/sound.raw" | tr -d '\0' | wc -c)" -eq 0 ] ||
    fail "$1: still sounding"
}

expect_pc status Stopped

# Play: the highlighted entry, the first.
pc play
expect_caption "$WORK/1.wav" "play"
expect_pc status Playing
mark=$(sound_mark); sleep 1.5
expect_tone "$mark" 300 "play"
expect_pc "metadata --format {{title}}" "低音"
expect_pc "metadata xesam:url" "file://$WORK/1.wav"

pc pause
expect_pc status Paused
expect_silence "pause"
pc play-pause
expect_pc status Playing

pc next
expect_caption "$WORK/2.wav" "next"
mark=$(sound_mark); sleep 1.5
expect_tone "$mark" 600 "next"
expect_pc "metadata --format {{title}}" "中音"

pc previous
expect_caption "$WORK/1.wav" "previous"
mark=$(sound_mark); sleep 1.5
expect_tone "$mark" 300 "previous"

# Position: written, then read back as playing goes on from there.
pc position 20
sleep 1
at=$(pc position)
awk -v p="$at" 'BEGIN { exit !(p >= 20 && p < 24) }' || fail "position 20 reads '$at'"
pc position 5-
sleep 0.5
at=$(pc position)
awk -v p="$at" 'BEGIN { exit !(p >= 15 && p < 19) }' || fail "5 seconds back reads '$at'"

# Volume: the system mixer's, the one the panel's slider steers.
pc volume 0.5
sleep 0.5
vol=$(pc volume)
awk -v v="$vol" 'BEGIN { exit !(v > 0.49 && v < 0.51) }' || fail "volume 0.5 reads '$vol'"
pactl get-sink-volume out | grep -q ' 50% ' || fail "the mixer reads: $(pactl get-sink-volume out)"

pc stop
expect_pc status Stopped
expect_silence "stop"
# Quit: the panel's close; the list is unchanged, so nothing is asked and the program ends.
dbus-send --session --type=method_call --print-reply=literal \
  --dest=org.mpris.MediaPlayer2.xingjing /org/mpris/MediaPlayer2 \
  org.mpris.MediaPlayer2.Quit >/dev/null || fail "no answer to Quit"
wait_exit "$program_pid" 10 || fail "Quit did not end the program"
[ "$EXIT_CODE" -eq 0 ] || fail "the program ended with $EXIT_CODE"
echo "PASS: playerctl drives the player and reads what it does"
