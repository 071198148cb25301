#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tarvix need.
# Does nothing when they are all present.
set -euo pipefail
PKGS=(
  # build
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl1-mesa-dev
  # tests: printed PDFs read back, fonts, a locale with a decimal comma
  poppler-utils fonts-dejavu-core locales-all
  # windows on a virtual display, and screenshots of them (import)
  xvfb xauth imagemagick
  # what Kubrel hands files to on a desktop
  xdg-utils cups-client
)
missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
echo "Instalando: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
