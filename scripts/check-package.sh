#!/usr/bin/env bash
# Builds the Debian package and tries it in a brand-new Debian 12 root, as a user would meet it:
#   - lintian finds no error in it;
#   - `apt-get install ./velmora_*.deb` pulls in every run-time dependency and `velmora --version` runs;
#   - under xvfb-run the installed program starts and its wizard lists the installed templates;
#   - a layout preset registered in page setup is kept in ~/.config/velmora and is there after a restart;
#   - `xdg-mime query default application/x-velmora-card` names velmora.desktop;
#   - `apt-get remove velmora` takes away what it installed and leaves the user's files.
#
#   scripts/check-package.sh [BUILD_DIR]     (as root; BUILD_DIR defaults to build)
#
# The build needs the tests' probe library (a test build, VELMORA_TESTS=ON, the default), which is
# preloaded into the installed program to read and drive its windows. The base root is the tarball
# /var/cache/fresh-debian/bookworm.tar that ../shared/tools/fresh-debian-check makes with mmdebstrap
# (made here the same way when it is missing). The check needs the network for apt.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-package.sh: run as root (it uses chroot)" >&2; exit 2; }
build=$(realpath -m "${1:-build}")
start=$(date +%s)
step() { printf '\n==== %s (%ss) ====\n' "$*" $(($(date +%s) - start)); }

step "Building the package in $build"
cmake -S . -B "$build" -G Ninja -DVELMORA_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/velmora_*.deb)
probe=$build/tests/libvelmora_probe.so
[ -f "$probe" ] || { echo "check-package.sh: $probe is missing: build with VELMORA_TESTS=ON" >&2; exit 2; }
echo "$deb"
dpkg-deb -f "$deb" Package Version Depends

step "lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" || { echo "check-package.sh: lintian reports errors" >&2; exit 1; }

step "A fresh Debian 12 root"
cache=/var/cache/fresh-debian
base=$cache/bookworm.tar
if [ ! -s "$base" ]; then
  command -v mmdebstrap >/dev/null || { apt-get update -q >/dev/null; apt-get install -y -q mmdebstrap >/dev/null; }
  mkdir -p "$cache"
  sources=/etc/apt/sources.list.d/debian.sources
  [ -f "$sources" ] || sources=/etc/apt/sources.list
  mmdebstrap --variant=apt --include=ca-certificates,git,sudo bookworm "$base.part" - <"$sources" >"$cache/mmdebstrap.log" 2>&1 ||
    { tail -5 "$cache/mmdebstrap.log"; exit 2; }
  mv "$base.part" "$base"
fi
root=$(mktemp -d /var/tmp/velmora-package.XXXXXX)
cleanup() {
  for m in dev/pts dev proc sys; do mountpoint -q "$root/$m" && umount -l "$root/$m"; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -xf "$base" -C "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p "$root/check"
cp "$deb" "$probe" "$root/check/"
cp "$(ls "$build"/Template/*.tpl | head -1)" "$root/check/card.zrd"
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$1"
}

step "apt-get install ./$(basename "$deb")"
in_root "apt-get update -q >/dev/null && apt-get install -y -q ./check/$(basename "$deb") >/check/apt-install.log"
grep -E '^(Setting up|The following NEW)' "$root/check/apt-install.log" | head -3
echo "$(grep -c '^Setting up' "$root/check/apt-install.log") packages set up"
in_root 'velmora --version'
# Without any display at all: a batch export draws a template with the installed fonts and libraries.
in_root 'velmora --export-png /check/card.png /check/card.zrd && [ -s /check/card.png ]'

step "Tools for the check: xvfb, xdg-utils, desktop-file-utils, shared-mime-info"
in_root 'apt-get install -y -q --no-install-recommends xvfb xauth xdg-utils desktop-file-utils shared-mime-info >/dev/null'
in_root 'useradd -m tester && cp /check/card.zrd /home/tester/card.zrd && chown tester: /home/tester/card.zrd'

fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }
as_tester() {
  chroot "$root" /usr/bin/env -i HOME=/home/tester PATH=/usr/bin:/bin LANG=C.UTF-8 \
    setpriv --reuid=tester --regid=tester --init-groups bash -c "cd && $1"
}
run_probed() {
  as_tester "LD_PRELOAD=/check/libvelmora_probe.so VELMORA_PROBE=$1 timeout 120 xvfb-run -a -s '-screen 0 1280x1024x24' velmora $2" 2>&1
}

step "The installed program under xvfb-run"
out=$(run_probed templates,quit '')
echo "$out" | grep '^template: ' | head -3
installed=$(ls "$root"/usr/share/velmora/Template/*.tpl | wc -l)
check "the wizard lists the $installed installed templates" "[ $installed -gt 0 ] && [ \$(grep -c '^template: ' <<<\"\$out\") -eq $installed ]"

out=$(run_probed pagesetup,presets,add=CheckLayout,cancel,quit card.zrd)
check "page setup lists the presets supplied with the program" "grep -q '^preset: ' <<<\"\$out\""
check "a preset registered in page setup is written to ~/.config/velmora" \
  "grep -aq CheckLayout '$root/home/tester/.config/velmora/usetpage.txt'"
out=$(run_probed pagesetup,presets,cancel,quit card.zrd)
check "the preset is there after a restart" "grep -q '^preset: .*CheckLayout' <<<\"\$out\""
check "the window settings are kept there too" "[ -s '$root/home/tester/.config/velmora/norve.con' ]"

step "Desktop integration"
default=$(as_tester 'xdg-mime query default application/x-velmora-card' || true)
check "xdg-mime names velmora.desktop for application/x-velmora-card (got '$default')" "[ '$default' = velmora.desktop ]"
check "the document type is registered with its glob" "grep -q 'application/x-velmora-card' '$root/usr/share/mime/globs2'"
check "the icon cache folder holds the program icon" "[ -f '$root/usr/share/icons/hicolor/48x48/apps/velmora.png' ]"

step "apt-get remove velmora"
in_root 'dpkg -L velmora' | grep -v '^/\.$' >"$root/check/files"
in_root 'apt-get remove -y -q velmora >/dev/null'
left=$(while read -r f; do [ -f "$root$f" ] && echo "$f"; done <"$root/check/files" || true)
check "every installed file is gone" "[ -z '$left' ]"
check "no /usr/share/velmora folder is left" "[ ! -e '$root/usr/share/velmora' ]"
check "the user's presets, settings and document stay" \
  "[ -s '$root/home/tester/.config/velmora/usetpage.txt' ] && [ -s '$root/home/tester/.config/velmora/norve.con' ] && [ -s '$root/home/tester/card.zrd' ]"
check "xdg-mime no longer names it" "[ -z \"\$(as_tester 'xdg-mime query default application/x-velmora-card' || true)\" ]"

step "Done: $fails failed"
[ $fails -eq 0 ]
