#!/usr/bin/env bash
# Installs what is missing, builds, and starts ZEDA with the simulated unit.
# The data directory (INI file, operator list, month files) is
# $ZEDA_DATA, by default ~/zeda-data.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
data="${ZEDA_DATA:-$HOME/zeda-data}"
mkdir -p "$data"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under xvfb-run (nothing will be visible)."
  exec xvfb-run -a ./build/app/zeda --data-dir "$data"
fi
exec ./build/app/zeda --data-dir "$data"
