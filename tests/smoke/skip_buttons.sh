#!/usr/bin/env bash
# Next and previous from the panel's buttons, by mouse and by keyboard: play goes on through
# the playlist afterwards, the panel's caption following.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"
# A long first entry leaves time to reach the buttons before it ends by itself.
ffmpeg -v error -f lavfi -i "sine=frequency=300:duration=9" "$WORK/1.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=600:duration=4" "$WORK/2.wav"
ffmpeg -v error -f lavfi -i "sine=frequency=900:duration=3" "$WORK/3.wav"
printf '%s\r\n' "$WORK/1.wav" "$WORK/2.wav" "$WORK/3.wav" > "$WORK/xjge.txt"
start_display
start_sound_server
start_panel

# After a skip to the second entry, the third must follow it: the captions and the tones.
expect_play_goes_on() {
  local how="$1" mark="$2" seen heard
  seen=$(watch_captions "$PANEL" 10 | tr '\n' ' ')
  case "$seen" in
    *"$WORK/2.wav $WORK/3.wav "*) ;;
    *) fail "after next by $how, captions went: $seen" ;;
  esac
  heard=$(tones_since "$mark" 300 600 900 | tr '\n' ' ')
  case "$heard" in
    "600 900 "*) ;;
    *) fail "after next by $how, heard: $heard" ;;
  esac
}

# The mouse: a click on ⏭ (Command25, 4680,1360 255×285 twips).
double_click_first_entry
sleep 1
mark=$(sound_mark)
click_panel 1 4807 1502
expect_play_goes_on "a mouse click" "$mark"

# The keyboard: from the playlist, Tab walks the panel's controls to ⏭ and Space presses it:
# window size, minimise all, the drive, the type, search, open, tools, ⏮, ▶, ⏸, ⏹, ⏭ (twelve
# steps). The player window hands the focus back to the panel three seconds after play starts.
double_click_first_entry
sleep 4
xdotool key --delay 80 $(printf 'Tab %.0s' $(seq 12))
mark=$(sound_mark)
xdotool key space
expect_play_goes_on "the space bar" "$mark"
echo "PASS: play goes on after next by mouse and by keyboard"
