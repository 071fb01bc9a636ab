#!/usr/bin/env bash
# Installs what is needed, builds and runs every test; then runs them again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each fuzz target for a short while (VELMORA_QUICK=1 skips that).
set -euo pipefail
cd "$(dirname "$0")/.."

stage() { printf '\n==== %s ====\n' "$*"; }

stage "Dependencies"
scripts/install-deps.sh

jobs=$(nproc)
# ccache, when installed and its cache folder is writable, makes rebuilds from a fresh checkout quick.
launcher=(-DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER=)
if command -v ccache >/dev/null && cache=$(ccache -k cache_dir 2>/dev/null) && mkdir -p "$cache" 2>/dev/null &&
  [ -w "$cache" ]; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

stage "Build (build/)"
scripts/build.sh -DVELMORA_TESTS=ON "${launcher[@]}"

stage "Tests"
ctest --test-dir build --output-on-failure

if [ "${VELMORA_QUICK:-0}" = 1 ]; then
  stage "VELMORA_QUICK=1: sanitizer tests and fuzzing skipped"
  exit 0
fi
if ! command -v clang++ >/dev/null; then
  # install-deps.sh installs clang on Debian; elsewhere this stage needs it installed by hand.
  echo "test.sh: clang++ not found, so the sanitizer tests and fuzzing cannot run" >&2
  exit 1
fi

stage "AddressSanitizer + UBSan build with the fuzz targets (build-asan/)"
VELMORA_BUILD_DIR=build-asan scripts/build.sh -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=ON -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON \
  -DVELMORA_FUZZ_SECONDS="${VELMORA_FUZZ_SECONDS:-20}" "${launcher[@]}"

stage "Tests under AddressSanitizer + UBSan, then each fuzz target for ${VELMORA_FUZZ_SECONDS:-20} s"
# Leak checking stays on; only fontconfig's own caches, which it never frees, are suppressed (scripts/lsan.supp).
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j "$jobs"
