# Helpers for running the real program under Xvfb. Sourced by the smoke tests.
set -euo pipefail

BIN="$1"
WORK="$(mktemp -d)"
PIDS=()

cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program lives in its own folder with what ships beside it (readme.txt); xjge.txt and
# xp.txt are written there too.
install_program() {
  cp "$BIN" "$WORK/xingjing"
  local shipped
  for shipped in readme.txt; do
    if [ -f "$(dirname "$BIN")/$shipped" ]; then cp "$(dirname "$BIN")/$shipped" "$WORK/"; fi
  done
  mkdir -p "$WORK/run" && chmod 700 "$WORK/run"
  export XDG_RUNTIME_DIR="$WORK/run"
  export HOME="$WORK/home"
  mkdir -p "$HOME"
}

# A sound server of our own with a sink that keeps real time; what reaches it is recorded into
# $WORK/sound.raw (16-bit stereo, 44.1 kHz).
# A session bus of the test's own, so MPRIS names never meet the desktop's.
start_session_bus() {
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } \
    < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
  PIDS+=("$bus_pid")
}

start_sound_server() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L "module-null-sink sink_name=out" \
    -L "module-native-protocol-unix socket=$WORK/pulse auth-anonymous=1" \
    --log-target=file:"$WORK/pulse.log" &
  PIDS+=($!)
  export PULSE_SERVER="unix:$WORK/pulse"
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || fail "the sound server did not start"
  # A short capture latency keeps the sink from rendering seconds ahead, which would stretch
  # every silence between two streams.
  parec --latency-msec=30 -d out.monitor --format=s16le --rate=44100 --channels=2 > "$WORK/sound.raw" &
  PIDS+=($!)
}

# Bytes of sound that are not silence among the last $1 bytes recorded.
recent_sound() {
  tail -c "$1" "$WORK/sound.raw" | tr -d '\0' | wc -c
}

start_display() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$WORK/display")"
}

# Prints the id of the first window whose name matches the pattern, waiting up to $2 seconds.
wait_window() {
  local pattern="$1" seconds="${2:-30}" id=""
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for a child process to end; its exit code goes into EXIT_CODE.
wait_exit() {
  local pid="$1" seconds="${2:-10}"
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      EXIT_CODE=0
      wait "$pid" || EXIT_CODE=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# A window manager, for closing windows as a person does.
start_window_manager() {
  # Now and then openbox dies as it starts: it is started again, up to three times. A busy
  # machine may also take a while to start it.
  local wm
  for _ in 1 2 3; do
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    PIDS+=($wm)
    for _ in $(seq 200); do
      wmctrl -m >/dev/null 2>&1 && return 0
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.1
    done
  done
  fail "no window manager"
}

# Gives a window the focus through the window manager, which may be busy for a moment.
activate_window() {
  for _ in $(seq 20); do
    xdotool windowactivate --sync "$1" 2>/dev/null && return 0
    sleep 0.2
  done
  fail "could not activate window $1"
}

# Types a key into a window: it takes the focus first, then the key goes as a person's would.
press() {
  local id="$1" key="$2"
  xdotool windowfocus --sync "$id"
  xdotool key "$key"
}

# Asks a window to close, as the window manager's close button does.
close_window() {
  wmctrl -i -c "$1"
}

# The panel's client area ends at the window's bottom; its height is fixed by the panel's size
# in twips (less the title and menu bar allowances), so controls can be found from there.
# Prints "x y" of a point given in twips from the client area's top left.
panel_point() {
  local id="$1" left="$2" top="$3" height_twips="${4:-2610}" info x y h
  info=$(xwininfo -id "$id")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  local client_h=$(( (height_twips - 375 - 285) / 15 ))
  echo "$(( x + left / 15 )) $(( y + h - client_h + top / 15 ))"
}

# Starts the program with no file named and waits for its panel: its window id goes into PANEL.
start_panel() {
  "$WORK/xingjing" &
  PIDS+=($!)
  PANEL=$(wait_window '^星鲸超级声海目录$') || fail "no panel"
  sleep 1
}

# Double-clicks the first entry of the playlist.
double_click_first_entry() {
  local x y
  read -r x y < <(panel_point "$PANEL" 300 120)
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1
}

# Waits up to $3 seconds (10 unless given) for a window's caption to read $2, a blink mark
# aside; prints the caption last seen when it never does.
wait_caption() {
  local id="$1" want="$2" seconds="${3:-10}" caption=""
  for _ in $(seq $((seconds * 5))); do
    caption=$(xdotool getwindowname "$id" 2>/dev/null || true)
    [ "${caption#● }" = "$want" ] && return 0
    sleep 0.2
  done
  echo "$caption"
  return 1
}

# Prints the distinct captions a window shows over $2 seconds, one a line, in order.
watch_captions() {
  local id="$1" seconds="$2" last="" name
  for _ in $(seq $((seconds * 5))); do
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    if [ -n "$name" ] && [ "$name" != "$last" ]; then echo "$name"; last="$name"; fi
    sleep 0.2
  done
}

# A display of the given size ("1600x1000"), for tests that care about the screen's edges.
start_display_sized() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$WORK/display" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$WORK/display")"
}

# Prints "left top right bottom" of a window's frame on the screen: its client area widened by
# the frame extents the window manager announces.
frame_edges() {
  local id="$1" info x y w h l=0 r=0 t=0 b=0 extents
  info=$(xwininfo -id "$id")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
  [ -n "$extents" ] && read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
}

# Clicks the panel at a point given in twips from its client area's top left.
click_panel() {
  local x y
  read -r x y < <(panel_point "$PANEL" "$2" "$3")
  xdotool mousemove "$x" "$y" click "$1"
}

# Bytes recorded so far: what is heard after a moment is what lies past it.
sound_mark() {
  stat -c %s "$WORK/sound.raw"
}

# The tones (of those given after the mark) heard since the mark $1, one a line.
tones_since() {
  local mark="$1"; shift
  tail -c +"$((mark + 1))" "$WORK/sound.raw" > "$WORK/since.raw"
  python3 "$(dirname "${BASH_SOURCE[0]}")/tones.py" "$WORK/since.raw" "$@"
}

# The rows the playlist shows, as a person sees them, each with how far right its text reaches
# (see list_rows.py): from the list's top edge down to the first row of buttons, clear of the
# two small buttons at its top right.
list_rows() {
  local x top bottom
  read -r x top < <(panel_point "$PANEL" 0 0)
  read -r x bottom < <(panel_point "$PANEL" 0 1290)
  xdotool mousemove 0 0
  ffmpeg -v error -f x11grab -video_size "278x$((bottom - top))" -i "$DISPLAY+$((x + 6)),$top" \
    -frames:v 1 -f rawvideo -pix_fmt rgb24 -y "$WORK/list.rgb"
  python3 "$(dirname "${BASH_SOURCE[0]}")/list_rows.py" "$WORK/list.rgb" 278 "$((bottom - top))"
}
