#!/usr/bin/env bash
# The Debian package: its name, dependencies and files; apt accepts it; and the program
# unpacked from it plays a file named on its command line and, closed with a save, keeps the
# playlist in the user's data folder, not beside the program.
# Usage: debian_package.sh BUILD_DIR
source "$(dirname "$0")/../smoke/lib/common.bash"
BUILD="$(cd "$1" && pwd)"
ID=io.github.xingjing

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log" >&2; fail "cpack could not make the package"; }
debs=("$WORK"/pkg/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made: ${debs[*]}"
deb="${debs[0]}"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = xingjing ] || fail "Package: $(field Package)"
version=$(grep -m1 '^CMAKE_PROJECT_VERSION:' "$BUILD/CMakeCache.txt" | cut -d= -f2)
[ -n "$version" ] && [ "$(field Version)" = "$version" ] || fail "Version: $(field Version), project $version"
[ "$(basename "$deb")" = "xingjing_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "the package is named $(basename "$deb")"
dpkg-deb -I "$deb" >/dev/null || fail "dpkg-deb cannot read the package"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no maintainer or description"
[[ "$(field Section)" =~ ^(sound|video)$ ]] || fail "Section: $(field Section)"
depends=$(field Depends)
for lib in libmpv2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libasound2; do
  [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg --contents "$deb" | awk '{print $6}' | sed 's|^\./||')
for path in usr/bin/xingjing usr/share/xingjing/readme.txt "usr/share/applications/$ID.desktop" \
  "usr/share/metainfo/$ID.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$ID.svg" \
  "usr/share/icons/hicolor/"{16x16,32x32,48x48,128x128,256x256}"/apps/$ID.png"; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

# apt resolves the dependencies against what the machine has or can get.
if command -v apt-get >/dev/null; then
  apt_out=$(apt-get install --simulate "$deb" 2>&1) || true
  if grep -qi 'unmet dependencies' <<<"$apt_out"; then fail "apt: $apt_out"; fi
  if grep -q '^Inst xingjing' <<<"$apt_out"; then
    echo "apt would install the package"
  else
    echo "apt could not be asked: $apt_out"
  fi
fi

# A throw-away root with the package's files, a user of its own and a file to play.
dpkg -x "$deb" "$WORK/root"
mkdir -p "$WORK/run" "$WORK/home" && chmod 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run" HOME="$WORK/home"
unset XDG_DATA_HOME
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=30" -q:a 5 "$WORK/song.mp3"
start_display
start_sound_server
start_window_manager

"$WORK/root/usr/bin/xingjing" "$WORK/song.mp3" &
pid=$!
PIDS+=($pid)
box=$(wait_window '^星鲸超级声海提示$') || fail "no first-run question"
press "$box" Return
panel=$(wait_window "^$WORK/song.mp3\$") || fail "no panel captioned with the path"
wait_window '^星鲸超级声海$' >/dev/null || fail "no player window"
for _ in $(seq 100); do
  [ -n "$(pactl list short sink-inputs)" ] && break
  sleep 0.1
done
[ -n "$(pactl list short sink-inputs)" ] || fail "no stream reached the sound server"
sleep 3
# Most of the last two seconds recorded (352800 bytes) is the tone, not silence.
loud=$(recent_sound 352800)
[ "$loud" -gt 176400 ] || fail "the sound server hears silence ($loud bytes of sound)"

# Three seconds after start the file has joined the playlist; closing asks to save it.
sleep 1
close_window "$panel"
box=$(wait_window '^星鲸超级声海提示$') || fail "no save question on closing"
press "$box" Return
wait_exit "$pid" 15 || fail "the program did not end after the save"
[ "$EXIT_CODE" = 0 ] || fail "the program ended with $EXIT_CODE"

data="$HOME/.local/share/xingjing"
[ -f "$data/xjge.txt" ] || fail "no xjge.txt in $data; the program wrote: $(cd "$WORK/root" && find . -name 'x*.txt')"
[ "$(head -1 "$data/xjge.txt")" = "$WORK/song.mp3"$'\r' ] || fail "xjge.txt begins: $(head -1 "$data/xjge.txt" | cat -A)"
[ -z "$(find "$WORK/root" -name xjge.txt)" ] || fail "xjge.txt was written into the installed tree"
echo "PASS: the package installs, plays a file and keeps the playlist in $data"
