#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, run and test, and does nothing at all
# (no apt-get, no sudo) when every one is installed already. `--check` only lists what is missing.
#
# Each package stands with the reason it is needed. Run-time packages live in runtime-packages.txt
# so that packaging reads the same list; add build and test packages to the arrays below.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Only real package names: dpkg never reports a virtual one (e.g. a "Provides:" name) as installed.
build=(
  build-essential     # g++ 12, make, the C library headers
  cmake               # configures the build
  ninja-build         # runs the build
  pkg-config          # finds libwmf's compile and link flags
  git                 # the checkout the scripts work in
  qt6-base-dev        # Qt Core, Gui, Widgets, PrintSupport headers and CMake files
  qt6-base-dev-tools  # moc
  qt6-svg-dev         # Qt Svg headers (metafiles are drawn through SVG)
  libjpeg62-turbo-dev # libjpeg headers
  libemf2svg-dev      # EMF renderer
  libuemf-dev         # checks EMF records before the renderer trusts them
  libwmf-dev          # WMF renderer
  libexpat1-dev       # libwmf's link line asks for -lexpat
  libfontconfig-dev   # the font list's Japanese family names come from fontconfig
  libqpdf-dev         # qpdf: printed PDFs get the JPEG pictures' own files
)
tests=(
  libgtest-dev        # unit tests
  libgmock-dev        # unit tests
  libbenchmark-dev    # bench/
  clang               # sanitizer build and fuzz targets
  libclang-rt-14-dev  # ASan, UBSan and libFuzzer runtimes
  llvm                # llvm-symbolizer for readable sanitizer reports
  ccache              # quick rebuilds
  xvfb                # screenshots of the real window
  xauth               # xvfb-run
  xclip               # another X11 client in the clipboard test
  locales             # a ja_JP.UTF-8 locale for running and screenshotting under a Japanese LANG
  dpkg-dev            # dpkg-shlibdeps: the package's library dependencies (cpack, the package test)
  desktop-file-utils  # desktop-file-validate on the menu entry (test)
  shared-mime-info    # update-mime-database on the document type (test)
  lintian             # scripts/check-package.sh checks the package with it
  poppler-utils       # pdftoppm, pdftotext, pdfimages: the printing tests read the PDFs they print
  qpdf                # qpdf --check: the printing tests check the structure of the PDFs they print
  cups                # cupsd and lpadmin: the print queue test starts a CUPS server of its own
  printer-driver-cups-pdf # the PDF-writing queue that server prints to
  mount               # mount --bind: that server's private /etc/cups (not in a minimal Debian root)
)

runtime=()
while read -r name _; do
  [[ -z $name || $name == \#* ]] || runtime+=("$name")
done <"$here/runtime-packages.txt"

missing=()
for p in "${build[@]}" "${runtime[@]}" "${tests[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${1:-}" = --check ]; then
  [ ${#missing[@]} -eq 0 ] || { printf 'not installed: %s\n' "${missing[*]}"; exit 1; }
  exit 0
fi
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "install-deps.sh: these packages are missing and there is no sudo; as root run:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  }
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
