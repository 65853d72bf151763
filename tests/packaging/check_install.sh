#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there and
# that the installed zedactl runs.
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/zeda bin/zedactl bin/zeda-unit \
         share/applications/net.zeda.Zeda.desktop \
         share/metainfo/net.zeda.Zeda.metainfo.xml \
         share/icons/hicolor/scalable/apps/net.zeda.Zeda.svg \
         share/man/man1/zeda.1 share/man/man1/zedactl.1 \
         share/doc/zeda/zeda-help.html; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/zedactl" --version)
[ "$out" = "zedactl $version" ] || { echo "zedactl --version printed: $out"; exit 1; }
# The manual pages are well-formed for man.
if command -v man > /dev/null; then
  MANWIDTH=80 man -l "$prefix/share/man/man1/zedactl.1" 2> /dev/null | grep -q "zedactl" ||
    { echo "man cannot show zedactl.1"; exit 1; }
fi
echo "installed and ran zedactl $version"
