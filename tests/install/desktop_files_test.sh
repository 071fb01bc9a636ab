#!/usr/bin/env bash
# The menu entry passes desktop-file-validate (hints allowed) and the document type compiles into a
# MIME database that knows *.zrd, the version record's magic and the type's icon.
set -uo pipefail
desktop=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }

out=$(desktop-file-validate "$desktop/velmora.desktop" 2>&1)
echo "$out"
check "desktop-file-validate reports no error or warning" "! grep -Eq ': (error|warning):' <<<'$out' && desktop-file-validate '$desktop/velmora.desktop' >/dev/null 2>&1"
check "the entry opens one document" "grep -qx 'Exec=velmora %f' '$desktop/velmora.desktop'"
check "the entry names the type" "grep -qx 'MimeType=application/x-velmora-card;' '$desktop/velmora.desktop'"

mkdir -p "$work/mime/packages"
cp "$desktop/velmora-mime.xml" "$work/mime/packages/velmora.xml"
out=$(XDG_DATA_DIRS=$work XDG_DATA_HOME=$work update-mime-database "$work/mime" 2>&1)
check "update-mime-database takes the type without a complaint" "[ -z '$out' ]"
check "the glob *.zrd names the type" "grep -q ':application/x-velmora-card:\*\.zrd' '$work/mime/globs2'"
check "the type has its icon" "grep -qx 'application/x-velmora-card:application-x-velmora-card' '$work/mime/icons'"
# The compiled magic: the priority and type, then the little-endian 14 at offset 16 and "2.0j" at 20.
check "the magic is compiled" "grep -aq 'application/x-velmora-card' '$work/mime/magic' && grep -aq '2.0j' '$work/mime/magic'"
[ $fails -eq 0 ]
