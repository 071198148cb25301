#!/usr/bin/env bash
# Builds Tarvix and starts it.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_DIR="$BUILD_DIR" "$ROOT/scripts/build.sh"
exec "$BUILD_DIR/app/tarvix" "$@"
