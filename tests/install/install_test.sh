#!/usr/bin/env bash
# The install step, checked from outside as a user meets it.
#   install_test.sh package BUILD          the .deb holds exactly the files `cmake --install` lays down,
#                                          and depends on the fonts beside its libraries
#   install_test.sh program BUILD PROBE    the program installed under a staging prefix, run with an
#                                          empty home, finds its data there and writes only to the
#                                          user's configuration folder; a registered preset survives
set -uo pipefail
mode=$1 build=$2 probe=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; exit 1; }
(cd "$work/root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort) >"$work/installed.list"

if [ "$mode" = package ]; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
  deb=$(ls "$work"/pkg/velmora_*.deb)
  dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||' | LC_ALL=C sort >"$work/package.list"
  check "the package holds every installed file and nothing else" "diff '$work/installed.list' '$work/package.list'"
  check "the data, the desktop entry, the type and the icons are among them" \
    "grep -qx /usr/share/velmora/msetpage.txt '$work/package.list' && grep -q '^/usr/share/velmora/Template/.*\.tpl$' '$work/package.list' &&
     grep -qx /usr/share/applications/velmora.desktop '$work/package.list' && grep -qx /usr/share/mime/packages/velmora.xml '$work/package.list' &&
     grep -qx /usr/share/icons/hicolor/48x48/apps/velmora.png '$work/package.list' && grep -qx /usr/share/icons/hicolor/scalable/apps/velmora.svg '$work/package.list'"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for p in fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 libqt6widgets6 libjpeg62-turbo; do
    check "depends on $p" "grep -Eq '(^|, )$p( |,|$)' <<<'$depends'"
  done
  check "the version is the project's" "[ \"\$(dpkg-deb -f '$deb' Version)\" = \"\$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' '$build/CMakeCache.txt')\" ]"
  [ $fails -eq 0 ]
  exit
fi

home=$work/home
mkdir -p "$home"
program=$work/root/usr/bin/velmora
run() {
  local steps=$1
  shift
  env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
    VELMORA_PROBE="$steps" timeout 120 "$program" "$@"
}
check "--version answers without a display" "env -i HOME='$home' '$program' --version | grep -q '^Velmora version'"

touch "$work/before"
sleep 1
templates=$(ls "$work/root/usr/share/velmora/Template/"*.tpl | wc -l)
run templates,quit >"$work/wizard.out" 2>&1
listed=$(grep -c '^template: ' "$work/wizard.out")
check "the wizard lists the $templates installed templates (listed $listed)" "[ $templates -gt 0 ] && [ $listed -eq $templates ]"

cp "$(ls "$work/root/usr/share/velmora/Template/"*.tpl | head -1)" "$home/card.zrd"
run pagesetup,presets,add=ProbeLayout,cancel,quit "$home/card.zrd" >"$work/add.out" 2>&1
check "page setup lists the installed presets" "grep -q '^preset: ' '$work/add.out'"
check "the registered preset is listed" "grep -q '^preset: .*ProbeLayout' '$work/add.out'"
config=$home/.config/velmora
check "the user's presets are written in the configuration folder" "grep -aq ProbeLayout '$config/usetpage.txt'"
check "the window settings are written there too" "[ -s '$config/norve.con' ]"
check "nothing is written under the prefix, though root may" "[ -z \"\$(find '$work/root' -newer '$work/before')\" ]"

run pagesetup,presets,cancel,quit "$home/card.zrd" >"$work/again.out" 2>&1
check "the registered preset is there after a restart" "grep -q '^preset: .*ProbeLayout' '$work/again.out'"

[ $fails -eq 0 ] || { for f in wizard add again; do echo "--- $f"; cat "$work/$f.out"; done; exit 1; }
