#!/usr/bin/env bash
# `cmake --install` into a scratch root: the program and its help text, a menu entry the desktop
# accepts that opens the player for the types it plays, the icon at every size, and a software
# centre description that validates. Nothing else is installed.
# Usage: installed_tree.sh BUILD_DIR MIME_LIST_TOOL
set -euo pipefail
BUILD="$1"
MIME_LIST="$2"
ROOT="$(mktemp -d)"
trap 'rm -rf "$ROOT"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

ID=io.github.xingjing
DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >/dev/null
U="$ROOT/usr"

# Exactly these files: no test program, benchmark or helper tool finds its way in.
expected=$(printf '%s\n' bin/xingjing share/xingjing/readme.txt \
  "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$ID.svg" \
  "share/icons/hicolor/"{16x16,32x32,48x48,128x128,256x256}"/apps/$ID.png" | sort)
installed=$(cd "$U" && find . -type f | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] || fail "installed files differ: $(diff <(echo "$expected") <(echo "$installed"))"
[ -x "$U/bin/xingjing" ] || fail "the program is not executable"

# The installed program takes its libraries from the system, never from the build folder.
if readelf -d "$U/bin/xingjing" | grep -E 'RPATH|RUNPATH'; then
  fail "the installed program carries a library search path"
fi

# The menu entry.
entry="$U/share/applications/$ID.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Type)" = Application ] || fail "Type=$(key Type)"
[ "$(key Name)" = 星鲸超级声海 ] || fail "Name=$(key Name)"
[ -n "$(key 'Name\[en\]')" ] || fail "no English name"
[ "$(key Exec)" = "xingjing %f" ] || fail "Exec=$(key Exec)"
[ "$(key Icon)" = "$ID" ] || fail "Icon=$(key Icon)"
[ "$(key Terminal)" = false ] || fail "Terminal=$(key Terminal)"
[ "$(key Categories)" = "AudioVideo;Player;" ] || fail "Categories=$(key Categories)"
# The everyday types of the dialog's table are among them.
for type in audio/mpeg audio/x-wav video/x-msvideo video/mpeg image/jpeg image/bmp audio/midi \
  audio/flac audio/x-opus+ogg video/x-matroska video/webm image/webp; do
  [[ ";$(key MimeType)" == *";$type;"* ]] || fail "MimeType lacks $type: $(key MimeType)"
done
# No text type, though .ts is also a Qt translation.
[[ ";$(key MimeType)" != *";text/"* ]] || fail "MimeType offers text: $(key MimeType)"
# Each listed type is opened for an extension the type table holds, and each type the table
# yields is listed.
"$MIME_LIST" --check "$entry" || fail "the MimeType key does not match the type table"
# The check itself rejects an entry that offers a type the player has no extension for, and one
# that leaves out a type the table yields.
sed 's|^MimeType=|MimeType=text/html;|' "$entry" > "$ROOT/foreign.desktop"
if "$MIME_LIST" --check "$ROOT/foreign.desktop" 2>/dev/null; then
  fail "the check accepts text/html"
fi
sed 's|audio/mpeg;||' "$entry" > "$ROOT/short.desktop"
if "$MIME_LIST" --check "$ROOT/short.desktop" 2>/dev/null; then
  fail "the check accepts an entry without audio/mpeg"
fi

# The software centre's description names the installed entry and program.
metainfo="$U/share/metainfo/$ID.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -q "<id>$ID</id>" "$metainfo" || fail "the metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" ||
  fail "the metainfo launches another entry"
grep -q '<binary>xingjing</binary>' "$metainfo" || fail "the metainfo provides no binary"

# The icons: the scalable drawing and bitmaps of the size their folder names.
grep -q '<svg' "$U/share/icons/hicolor/scalable/apps/$ID.svg" || fail "the scalable icon is no SVG"
for size in 16 32 48 128 256; do
  png="$U/share/icons/hicolor/${size}x${size}/apps/$ID.png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
  # Width and height are the first fields of the IHDR chunk, big-endian.
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
  height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done
echo "PASS: the installed tree holds the program, a valid entry, description and icons"
