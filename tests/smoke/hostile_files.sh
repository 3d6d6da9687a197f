#!/usr/bin/env bash
# Hostile files in the real program. Broken entries (an empty .mp3, a cut-off MP4, noise named
# .avi, a folder and a pipe named .mp3, a file deleted after it was listed) each bring the
# unplayable message and the list goes on to what plays: a WAV whose header claims ten hours
# plays what it holds and gives way to the next entry. Song library files that are hostile (a
# 10 MB line and NUL bytes, a folder, a link to /dev/zero) neither hold up the start nor get
# overwritten, and a program folder the user may not write keeps the list in the user's own.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
m="$WORK/media"
mkdir -p "$m"
: > "$m/1-empty.mp3"
ffmpeg -v error -f lavfi -i "testsrc=size=160x120:rate=25:duration=2" -c:v mpeg4 "$WORK/whole.mp4"
head -c $(( $(stat -c %s "$WORK/whole.mp4") / 2 )) "$WORK/whole.mp4" > "$m/2-truncated.mp4"
head -c 262144 /dev/urandom > "$m/3-noise.avi"
mkdir "$m/4-x.mp3"
mkfifo "$m/5-y.mp3"
ffmpeg -v error -f lavfi -i "sine=frequency=660:duration=1" "$m/6-gone.wav"
# 8 kHz 8-bit mono; the header's data size says ten hours, two seconds follow.
python3 - "$m/7-liar.wav" <<'EOF'
import struct, sys
rate, claimed = 8000, 8000 * 36000
data = bytes(0xc0 if (i // 10) % 2 else 0x40 for i in range(rate * 2))
header = b"RIFF" + struct.pack("<I", 36 + claimed) + b"WAVEfmt " + struct.pack(
    "<IHHIIHH", 16, 1, 1, rate, rate, 1, 8) + b"data" + struct.pack("<I", claimed)
open(sys.argv[1], "wb").write(header + data)
EOF
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" "$m/8-good.wav"
for f in 1-empty.mp3 2-truncated.mp4 3-noise.avi 4-x.mp3 5-y.mp3 6-gone.wav 7-liar.wav 8-good.wav; do
  printf '%s\r\n' "$m/$f"
done > "$WORK/xjge.txt"
start_display
start_sound_server
start_window_manager

start_panel
rm "$m/6-gone.wav"
double_click_first_entry
# The broken entries bring the unplayable message (a skip that fails again goes on silently or
# with its own message); answering each, the list gets past all of them to the liar.
messages=0
for _ in $(seq 300); do
  box=$(xdotool search --onlyvisible --name '^星鲸声海$' 2>/dev/null | head -1 || true)
  if [ -n "$box" ]; then
    press "$box" Return
    messages=$((messages + 1))
    for _ in $(seq 50); do xdotool getwindowname "$box" >/dev/null 2>&1 || break; sleep 0.1; done
  fi
  [ "$(xdotool getwindowname "$PANEL")" = "$m/7-liar.wav" ] && [ -z "$box" ] && break
  sleep 0.2
done
[ "$messages" -ge 1 ] || fail "no message for the broken entries"
caption=$(wait_caption "$PANEL" "$m/7-liar.wav") || fail "the liar is not playing: $caption"
for _ in $(seq 50); do [ "$(recent_sound 44100)" -gt 1000 ] && break; sleep 0.2; done
[ "$(recent_sound 44100)" -gt 1000 ] || fail "the liar's two seconds are not heard"
# Its two seconds played, the status timer finds its end and goes on.
caption=$(wait_caption "$PANEL" "$m/8-good.wav" 20) || fail "the list did not go on after the liar: $caption"
for _ in $(seq 50); do [ "$(recent_sound 44100)" -gt 1000 ] && break; sleep 0.2; done
[ "$(recent_sound 44100)" -gt 1000 ] || fail "the entry after the liar is not heard"
kill "${PIDS[-1]}"
wait "${PIDS[-1]}" 2>/dev/null || true
echo "ok: past six broken entries with $messages messages, the liar played and gave way"

# Saves through 保存改动, answering Yes: prints the title of the box that follows the question,
# if any shows within two seconds.
save_from_menu() {
  press "$PANEL" alt+f
  sleep 0.3
  xdotool key b
  local box
  box=$(wait_window '^提示$' 20) || fail "no store question"
  press "$box" Return
  sleep 2
  box=$(xdotool search --onlyvisible --name '^星鲸声海--提示$' 2>/dev/null | head -1 || true)
  [ -n "$box" ] && { xdotool getwindowname "$box"; press "$box" Return; }
  return 0
}

# A 10 MB line among entries, one holding NUL bytes: the start is not held up and a save
# writes every byte back. The lines stand in the list's order, which a save writes.
{
  printf '/media/a\0b.mp3\r\n'
  printf '%s\r\n' "$m/8-good.wav"
  head -c 10000000 /dev/zero | tr '\0' 'x'
  printf '\r\n'
} > "$WORK/xjge.txt"
cp "$WORK/xjge.txt" "$WORK/before"
start_panel
notice=$(save_from_menu)
[ -z "$notice" ] || fail "saving the list with a long line brought a notice"
cmp -s "$WORK/xjge.txt" "$WORK/before" || fail "the save changed the file ($(stat -c %s "$WORK/xjge.txt") bytes)"
kill "${PIDS[-1]}"
wait "${PIDS[-1]}" 2>/dev/null || true
echo "ok: a 10 MB line and NUL bytes read and written back"

# A folder, then a link to /dev/zero, in the song library file's place: a notice at start, a
# notice instead of a save, and the thing left as it was.
for kind in folder device; do
  rm -rf "$WORK/xjge.txt"
  if [ "$kind" = folder ]; then mkdir "$WORK/xjge.txt"; else ln -s /dev/zero "$WORK/xjge.txt"; fi
  "$WORK/xingjing" &
  PIDS+=($!)
  box=$(wait_window '^星鲸声海--提示$' 30) || fail "$kind: no notice at start"
  press "$box" Return
  PANEL=$(wait_window '^星鲸超级声海目录$') || fail "$kind: no panel"
  notice=$(save_from_menu)
  [ "$notice" = "星鲸声海--提示" ] || fail "$kind: a save said nothing"
  if [ "$kind" = folder ]; then
    [ -d "$WORK/xjge.txt" ] || fail "the folder was replaced"
  else
    [ "$(readlink "$WORK/xjge.txt")" = /dev/zero ] || fail "the link was replaced"
  fi
  kill "${PIDS[-1]}"
  wait "${PIDS[-1]}" 2>/dev/null || true
done
echo "ok: a folder and a device in the file's place are reported and kept"

# A program folder this user may not write: the list goes to the user's data folder. Root may
# write anywhere, so the program runs as nobody for this.
rm -rf "$WORK/xjge.txt"
printf '%s\r\n' "$m/8-good.wav" > "$WORK/xjge.txt"
user_args=()
if [ "$(id -u)" = 0 ]; then
  chmod 755 "$WORK"
  mkdir -p "$WORK/nobody/run"
  chmod 700 "$WORK/nobody/run"
  chown -R nobody "$WORK/nobody"
  user_args=(setpriv --reuid=nobody --regid=nogroup --clear-groups
    env HOME="$WORK/nobody" XDG_RUNTIME_DIR="$WORK/nobody/run")
  home="$WORK/nobody"
else
  chmod 555 "$WORK"
  home="$HOME"
fi
"${user_args[@]}" "$WORK/xingjing" &
PIDS+=($!)
PANEL=$(wait_window '^星鲸超级声海目录$') || fail "read-only folder: no panel"
notice=$(save_from_menu)
[ -z "$notice" ] || fail "read-only folder: the save brought a notice"
saved=$(find "$home/.local/share" -name xjge.txt 2>/dev/null | head -1)
[ -n "$saved" ] || fail "read-only folder: nothing saved in the user's folder"
cmp -s "$saved" "$WORK/xjge.txt" || fail "read-only folder: the saved list differs: $(cat -A "$saved")"
chmod 755 "$WORK"
echo "PASS: broken media reported and passed over, hostile library files read or kept, the list saved beside the user"
