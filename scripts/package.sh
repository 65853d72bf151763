#!/usr/bin/env bash
# Installs what is missing, builds in Release and makes the Debian package
# build/zeda_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
(cd build && cpack -G DEB)
ls build/zeda_*.deb
