# The desktop's accessibility bus, for tests that read the program as a screen reader does.
# Sourced after common.bash.

# A session bus of the test's own with the accessibility bus started on it; the program then
# offers its widgets there.
start_accessibility() {
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$WORK/dbus.pid")
  PIDS+=("$(cat "$WORK/dbus.pid")")
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || fail "no accessibility bus"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Every accessible of the program: "role<TAB>name<TAB>description<TAB>x y w h" a line.
accessibles() {
  timeout 20 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" 2>/dev/null
}

# The colour of the screen's pixel at x y, as "r g b".
pixel_at() {
  ffmpeg -v error -f x11grab -video_size 1x1 -i "$DISPLAY+$1,$2" -frames:v 1 \
    -f rawvideo -pix_fmt rgb24 - | od -An -tu1 | tr -s ' ' | sed 's/^ //'
}
