#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its control data and
# contents with dpkg-deb.
set -euo pipefail
# grep reads a here-string: "echo | grep -q" under pipefail fails when grep
# stops reading early and echo is cut off.
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/zeda_"$version"_*.deb)
dpkg-deb --field "$deb" Package | grep -qx zeda
dpkg-deb --field "$deb" Version | grep -qx "$version"
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6printsupport6 libqt6serialport6; do
  grep -q "$lib" <<< "$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/zeda ./usr/bin/zedactl ./usr/bin/zeda-unit ./usr/libexec/zeda/zedactl-draw ./usr/libexec/zeda/zedactl-publish \
         ./usr/share/applications/net.zeda.Zeda.desktop \
         ./usr/share/icons/hicolor/scalable/apps/net.zeda.Zeda.svg ./usr/share/man/man1/zedactl.1 \
         ./usr/lib/systemd/system/zeda-acquire@.service ./usr/lib/sysusers.d/zeda.conf; do
  grep -q " $f$" <<< "$contents" || { echo "package lacks $f"; exit 1; }
done
# The service's user is made when the package is configured.
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './postinst' || { echo "package lacks postinst"; exit 1; }
echo "built $(basename "$deb")"
