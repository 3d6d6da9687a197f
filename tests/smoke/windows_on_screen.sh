#!/usr/bin/env bash
# On a small screen (1600 x 1000 at twice the scale, so 800 x 500 for the program) every window
# the program shows lies wholly on the screen, the audio strip still right above the panel.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=60" -q:a 5 "$WORK/song.mp3"
start_display_sized 1600x1000
start_window_manager
start_sound_server
export QT_SCALE_FACTOR=2

"$WORK/xingjing" "$WORK/song.mp3" &
program=$!
PIDS+=($program)
panel=$(wait_window "^$WORK/song.mp3\$") || fail "no panel captioned with the path"
player=$(wait_window '^星鲸超级声海$') || fail "no player window"
# The status timer fits the strip to the panel; give it a few ticks.
sleep 6

# Every visible window of the program, whatever its name.
windows=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null || true)
[ "$(wc -w <<<"$windows")" -ge 2 ] || fail "the panel and the player window are not both found"
off=""
for id in $windows; do
  read -r left top right bottom < <(frame_edges "$id")
  name=$(xdotool getwindowname "$id" 2>/dev/null || true)
  echo "'$name': $left,$top to $right,$bottom"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 1600 ] && [ "$bottom" -le 1000 ] ||
    off+=" '$name'"
done
[ -z "$off" ] || fail "off the screen:$off"

# The audio strip sits on the panel: same left edge, its bottom at the panel's top, give or take
# the difference between the nominal and the real title bar.
read -r pl pt _ _ < <(frame_edges "$panel")
read -r sl _ _ sb < <(frame_edges "$player")
[ "$sl" = "$pl" ] || fail "the strip's left edge $sl is not the panel's $pl"
gap=$((pt - sb))
[ "$gap" -ge -40 ] && [ "$gap" -le 40 ] || fail "the strip ends $gap pixels above the panel"
echo "PASS: the panel and the player window lie on the screen, the strip above the panel"
