#!/usr/bin/env bash
# "帮助(&H)" → "星鲸超级声海(&D)" opens the readme in the program folder with the desktop's
# program for it, and an install puts the program and its readme in their places.
source "$(dirname "$0")/lib/common.bash"
install_program
printf 'no xp\r\n' > "$WORK/xp.txt"

# The desktop opens documents through xdg-open from PATH; ours notes what it was asked.
mkdir -p "$WORK/bin"
cat > "$WORK/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$@" > "$WORK/opened.tmp" && mv "$WORK/opened.tmp" "$WORK/opened"
STANDIN
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

start_display
# The desktop's sound server holds the volume the panel opens at start.
start_sound_server
start_window_manager
start_panel

press "$PANEL" alt+h
sleep 0.5
xdotool key d
for _ in $(seq 50); do [ -s "$WORK/opened" ] && break; sleep 0.1; done
[ -s "$WORK/opened" ] || fail "help asked the desktop to open nothing"
url=$(head -1 "$WORK/opened")
path=$(python3 -c 'import sys, urllib.parse as u; p = u.urlparse(sys.argv[1]); print(u.unquote(p.path) if p.scheme == "file" else sys.argv[1])' "$url")
[ "$path" = "$WORK/readme.txt" ] || fail "help opened $url, not the program folder's readme.txt"
[ -f "$path" ] || fail "help opened $path, which does not exist"
grep -q '星鲸超级声海' "$path" && grep -q 'xjge.txt' "$path" ||
  fail "$path does not read as the program's readme"

# The install: the program to bin, the readme to share/xingjing.
build=$(dirname "$BIN")
[ -f "$build/cmake_install.cmake" ] || fail "no install rules beside $BIN"
cmake --install "$build" --prefix "$WORK/prefix" >/dev/null || fail "the install failed"
[ -x "$WORK/prefix/bin/xingjing" ] || fail "no bin/xingjing installed"
cmp -s "$WORK/prefix/share/xingjing/readme.txt" "$path" || fail "no share/xingjing/readme.txt installed"
echo "PASS: help opened the program folder's readme; the install holds the program and its readme"
