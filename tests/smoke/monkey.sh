#!/usr/bin/env bash
# Three minutes of a random user on the real program: clicks anywhere in the panel, the list
# keys, the menus by their Alt letters and shortcuts, dialogs answered or closed as they come.
# The program must never die and must keep answering: every few seconds it is asked for its
# playback status over MPRIS. That question is answered by the program's own event loop (the
# bus connection hands it to the main thread), so a hung or busy-looping program fails it,
# where anything the X server or window manager answers for the window would not.
# XJ_MONKEY_SEED picks the run; XJ_MONKEY_SECONDS its length.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"

seed="${XJ_MONKEY_SEED:-20261208}"
seconds="${XJ_MONKEY_SECONDS:-180}"
RANDOM=$seed
echo "monkey seed $seed (XJ_MONKEY_SEED), $seconds s"

# Media of every kind the program meets: sound, video, a picture, a file that is not media,
# one that is missing, and a folder of them for the folder browser.
media="$WORK/media"
mkdir -p "$media/more"
for i in 1 2 3; do
  ffmpeg -v error -f lavfi -i "sine=frequency=$((200 * i)):duration=$((3 + i))" "$media/tone$i.wav"
done
ffmpeg -v error -f lavfi -i "sine=frequency=500:duration=4" "$media/song.mp3"
ffmpeg -v error -f lavfi -i "testsrc=size=160x120:rate=15:duration=4" \
  -f lavfi -i "sine=frequency=700:duration=4" -shortest "$media/clip.avi"
ffmpeg -v error -f lavfi -i "testsrc=size=160x120" -frames:v 1 "$media/picture.jpg"
echo "not a song" > "$media/broken.mp3"
cp "$media/tone1.wav" "$media/more/again.wav"
printf '%s\r\n' "$media"/*.* "$media/gone.wav" > "$WORK/xjge.txt"

start_session_bus
start_display
start_sound_server
start_window_manager
cd "$media" # the folder browser and the drive list start in the current folder

LOG="$WORK/monkey.log"
: > "$LOG"
note() { echo "$(date +%s.%N | cut -c7-14) $*" >> "$LOG"; }
# The events that led here, then the failure.
die() {
  echo "seed $seed; the last events:" >&2
  tail -n 25 "$LOG" >&2
  fail "$*"
}

launch() {
  "$WORK/xingjing" &
  program=$!
  PIDS+=("$program")
  PANEL=$(wait_window '^星鲸超级声海目录$' 30) || die "no panel"
  note "started as $program, panel $PANEL"
}

# The program's own answer to a status question, within $1 milliseconds.
ask_status() {
  dbus-send --session --print-reply --reply-timeout="$1" --dest=org.mpris.MediaPlayer2.xingjing \
    /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Get \
    string:org.mpris.MediaPlayer2.Player string:PlaybackStatus >/dev/null 2>"$WORK/asked"
}

# The program answers within 10 seconds, or it is on its way out after the user closed it (it
# has left the bus then, and ends soon after), or it has just started and is not on the bus yet.
answers() {
  local until=$((SECONDS + 10))
  ask_status 10000 && return 0
  while [ "$SECONDS" -le "$until" ]; do
    kill -0 "$program" 2>/dev/null || return 0
    ask_status 1000 && return 0
    sleep 0.2
  done
  die "the program did not answer within 10 s: $(head -c 300 "$WORK/asked")"
}

# Ends the run when the program is gone: a clean exit (the user chose to quit) starts it again,
# anything else is a death.
still_running() {
  kill -0 "$program" 2>/dev/null && return 0
  local code=0
  wait "$program" || code=$?
  [ "$code" -eq 0 ] || die "the program died with status $code"
  note "the program quit at the user's request; starting it again"
  exits=$((exits + 1))
  launch
}

# A random point of a window, as "x y" on the screen.
point_in() {
  local info x y w h
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  [ "$w" -gt 2 ] && [ "$h" -gt 2 ] || return 1
  echo "$((x + 1 + RANDOM % (w - 2))) $((y + 1 + RANDOM % (h - 2)))"
}

click_in() {
  local id="$1" x y buttons=(1 1 1 1 3) button
  read -r x y < <(point_in "$id") || return 0
  button=${buttons[RANDOM % ${#buttons[@]}]}
  if [ $((RANDOM % 4)) -eq 0 ]; then
    note "double click $x $y in $id"
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 2>/dev/null || true
  else
    note "click $button at $x $y in $id"
    xdotool mousemove "$x" "$y" click "$button" 2>/dev/null || true
  fi
}

keys_to() {
  local id="$1"; shift
  note "keys $* to $id"
  xdotool windowactivate "$id" 2>/dev/null || true
  xdotool key --delay 40 "$@" 2>/dev/null || true
}

LIST_KEYS=(Up Down Up Down Home End Return period comma equal minus Delete space Prior Next)
MENU_KEYS=(alt+f alt+o alt+t alt+h)
SHORTCUTS=(ctrl+p ctrl+w ctrl+q ctrl+a ctrl+s ctrl+z ctrl+x ctrl+u ctrl+r ctrl+o)
PLAYER_KEYS=(space Left Right f Escape)

# Opens a menu by its letter, walks down it a few items and takes one or leaves.
menu_walk() {
  local walk=() n
  for n in $(seq $((RANDOM % 6))); do walk+=(Down); done
  if [ $((RANDOM % 4)) -eq 0 ]; then walk+=(Right Down); fi
  if [ $((RANDOM % 3)) -eq 0 ]; then walk+=(Escape Escape); else walk+=(Return); fi
  keys_to "$PANEL" "${MENU_KEYS[RANDOM % ${#MENU_KEYS[@]}]}" "${walk[@]}"
}

# Windows of the program other than the panel and the player: message boxes, the folder
# browser, the file dialog, the search's progress. Each is answered, used a little or closed.
declare -A seen_dialog
tend_dialogs() {
  local id name
  for id in $(xdotool search --onlyvisible --pid "$program" 2>/dev/null); do
    [ "$id" = "$PANEL" ] && continue
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    case "$name" in
      星鲸超级声海 | "● 星鲸超级声海" | "") continue ;; # the player window
    esac
    seen_dialog[$id]=$(( ${seen_dialog[$id]:-0} + 1 ))
    if [ "$name" = "星鲸超级声海--打开文件" ] && [ "${seen_dialog[$id]}" -lt 6 ]; then
      # The folder browser: a few clicks in it, then it is closed.
      click_in "$id"
      continue
    fi
    if [ "${seen_dialog[$id]}" -gt 3 ]; then
      note "close dialog '$name' ($id)"
      wmctrl -i -c "$id" 2>/dev/null || true
      continue
    fi
    # Enter takes the default (Yes, OK), Escape the other (No, Cancel).
    if [ $((RANDOM % 3)) -eq 0 ]; then keys_to "$id" Escape; else keys_to "$id" Return; fi
    note "  that answered '$name'"
  done
}

launch
exits=0
events=0
next_check=0
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
  still_running
  tend_dialogs
  still_running
  case $((RANDOM % 12)) in
    0 | 1 | 2 | 3) click_in "$PANEL" ;;
    4 | 5) keys_to "$PANEL" "${LIST_KEYS[RANDOM % ${#LIST_KEYS[@]}]}" ;;
    6 | 7) menu_walk ;;
    8) keys_to "$PANEL" "${SHORTCUTS[RANDOM % ${#SHORTCUTS[@]}]}" ;;
    9)
      player=$(xdotool search --all --onlyvisible --pid "$program" --name '^(● )?星鲸超级声海$' 2>/dev/null | head -1 || true)
      if [ -n "$player" ]; then
        if [ $((RANDOM % 2)) -eq 0 ]; then click_in "$player"; else keys_to "$player" "${PLAYER_KEYS[RANDOM % ${#PLAYER_KEYS[@]}]}"; fi
      fi
      ;;
    10)
      # Now and then the user closes the panel: the save question comes, then the program ends.
      if [ $((RANDOM % 8)) -eq 0 ]; then
        note "close the panel"
        close_window "$PANEL" 2>/dev/null || true
      fi
      ;;
    *) sleep 0.$((RANDOM % 10)) ;;
  esac
  events=$((events + 1))
  if [ "$SECONDS" -ge "$next_check" ]; then
    answers
    still_running
    next_check=$((SECONDS + 5))
  fi
done
answers
still_running
if [ -n "${XJ_MONKEY_LOG:-}" ]; then cp "$LOG" "$XJ_MONKEY_LOG"; fi
echo "PASS: $events random events over $seconds s (seed $seed, $exits quits by request); the program kept answering"
