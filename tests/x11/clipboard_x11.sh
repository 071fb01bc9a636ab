#!/bin/sh
# The clipboard between two running copies of the editor and with other X11 clients (xclip), on the X
# server this script runs under (xvfb-run). Usage: clipboard_x11.sh PATH/TO/clipboard_peer
set -eu
peer=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a copying peer in the background and waits until it has copied.
start_copier() {
  "$peer" "$@" >"$out/copier" 2>"$out/copier.err" &
  copier=$!
  for _ in $(seq 100); do grep -q '^copied' "$out/copier" && return 0; sleep 0.1; done
  cat "$out/copier.err" >&2
  fail "the copying peer did not copy"
}

# 1. A label copied in one copy pastes in the other as the whole label, font and gap included.
start_copier copy-label 'Velmora\n名刺'
"$peer" paste >"$out/paste1"
grep -q '^label left=0 top=0 caption=Velmora|名刺 font=IPAPGothic size=20 gap=4 color=0000ff$' "$out/paste1" ||
  fail "label pasted in the second copy: $(cat "$out/paste1")"
# 2. Another X11 client reads its caption as text, line break included.
printf 'Velmora\n名刺' >"$out/expected"
xclip -o -selection clipboard >"$out/text"
cmp -s "$out/text" "$out/expected" || fail "xclip read: $(cat "$out/text")"
kill "$copier" 2>/dev/null || true
wait "$copier" 2>/dev/null || true

# 3. A JPEG picture: the other copy gets the picture with its Tag, other clients a bitmap image.
start_copier copy-picture
"$peer" paste >"$out/paste2"
grep -q '^picture left=0 top=0 width=128 height=64 tag=1 class=TJPEGImage$' "$out/paste2" ||
  fail "picture pasted in the second copy: $(cat "$out/paste2")"
xclip -o -selection clipboard -t TARGETS >"$out/targets"
grep -q '^image/png$' "$out/targets" || fail "no image offered: $(cat "$out/targets")"
xclip -o -selection clipboard -t image/png >"$out/picture.png"
head -c 8 "$out/picture.png" | od -An -c | grep -q 'P   N   G' || fail "the image is not a PNG"
kill "$copier" 2>/dev/null || true
wait "$copier" 2>/dev/null || true

# 4. Text put on the clipboard by xclip pastes as a label in the default label font.
printf 'from xclip' | xclip -i -selection clipboard
"$peer" paste >"$out/paste3"
grep -q '^label left=0 top=0 caption=from xclip font=MS Sans Serif size=8 gap=0 ' "$out/paste3" ||
  fail "text from xclip: $(cat "$out/paste3")"
echo "clipboard between two copies and with xclip: ok"
