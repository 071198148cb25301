#!/usr/bin/env bash
# Configures and builds Tarvix into build/ (or the folder given in BUILD_DIR).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "$@" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
