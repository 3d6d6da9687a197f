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

# The program lives in its own folder: xjge.txt and xp.txt are written beside it.
install_program() {
  cp "$BIN" "$WORK/xingjing"
  mkdir -p "$WORK/run" && chmod 700 "$WORK/run"
  export XDG_RUNTIME_DIR="$WORK/run"
  # Sound goes to a file through ALSA, so playback can be heard by reading it.
  cat > "$WORK/asound.conf" <<CONF
pcm.!default { type file; slave.pcm "sink"; file "$WORK/sound.raw"; format "raw" }
pcm.sink { type null }
CONF
  export ALSA_CONFIG_PATH="$WORK/asound.conf"
  export PULSE_SERVER="unix:$WORK/no-pulse-here"
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
  local pattern="$1" seconds="${2:-20}" id=""
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for a process to end; prints its exit code.
wait_exit() {
  local pid="$1" seconds="${2:-10}"
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && echo 0 || echo $?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

press() {
  local id="$1" key="$2"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --window "$id" "$key"
}

# Asks a window to close, as a window manager's close button does.
close_window() {
  xdotool windowclose "$1"
}
