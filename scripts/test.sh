#!/usr/bin/env bash
# Builds everything and runs all tests (window tests under the offscreen platform).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_DIR="$BUILD_DIR" "$ROOT/scripts/build.sh" "$@"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
