#!/usr/bin/env bash
# Installs the Debian packages ZEDA needs (those missing only), then
# configures and builds it in Release into build/ (not with --packages-only).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make python3 qt6-base-dev qt6-serialport-dev libgl-dev xvfb xauth fonts-dejavu-core
  clang libclang-rt-14-dev libqt6svg6
  desktop-file-utils shared-mime-info appstream dpkg-dev file man-db
  cups cups-client printer-driver-cups-pdf poppler-utils
  qt6-l10n-tools qt6-translations-l10n libmosquitto-dev mosquitto mosquitto-clients openssl
  tzdata systemd python3-pandas)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
[ "${1:-}" != "--packages-only" ] || exit 0

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
