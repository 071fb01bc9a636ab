#!/usr/bin/env bash
# Configures and builds Velmora into build/ (or $VELMORA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VELMORA_BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja "$@"
cmake --build "$dir" -j "$(nproc)"
