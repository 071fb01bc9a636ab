#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, run and test (clang and its sanitizer and
# fuzzer runtimes, llvm-symbolizer for readable sanitizer reports, ccache for repeated builds;
# fonts-urw-base35 for the URW script and serif faces the shipped catch-phrase pictures are set in).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev
  libjpeg62-turbo-dev libemf2svg-dev libwmf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm ccache
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35
  xvfb xauth
  fonts-urw-base35 # libwmf will not start a WMF player without its Type 1 fonts
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
