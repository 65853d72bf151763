#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there and
# that the installed zedactl runs.
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/zeda bin/zedactl bin/zeda-unit libexec/zeda/zedactl-draw libexec/zeda/zedactl-publish \
         share/applications/net.zeda.Zeda.desktop \
         share/mime/packages/net.zeda.Zeda.xml \
         share/metainfo/net.zeda.Zeda.metainfo.xml \
         share/icons/hicolor/scalable/apps/net.zeda.Zeda.svg \
         share/man/man1/zeda.1 share/man/man1/zedactl.1 share/man/man1/zeda-unit.1 \
         share/doc/zeda/zeda-help.html lib/systemd/system/zeda-acquire@.service \
         lib/sysusers.d/zeda.conf; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The month files' type is known to the MIME database by name and by signature.
update-mime-database "$prefix/share/mime" > /dev/null 2>&1
grep -q '^[0-9]*:application/x-zeda-month:D\*\.ZMF' "$prefix/share/mime/globs2" ||
  { echo "the month files' glob is not registered"; exit 1; }
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/zedactl" --version)
[ "$out" = "zedactl $version" ] || { echo "zedactl --version printed: $out"; exit 1; }
# A drawing command is handed over to zedactl-draw in the library directory.
data=$(mktemp -d)
trap 'rm -rf "$prefix" "$data"' EXIT
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/zedactl" config --data-dir "$data")
grep -q '"channels"' <<< "$out" || { echo "zedactl config printed: $out"; exit 1; }
# The manual pages are well-formed for man, and zedactl's names every command
# that the program lists.
if command -v man > /dev/null; then
  for page in zeda zedactl zeda-unit; do
    shown=$(MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1" 2> /dev/null)
    grep -q "$page" <<< "$shown" || { echo "man cannot show $page.1"; exit 1; }
  done
  manual=$(MANWIDTH=200 man -l "$prefix/share/man/man1/zedactl.1" 2> /dev/null)
  commands=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/zedactl" --help 2> /dev/null |
             sed -n 's/^  \([a-z]*\)  .*/\1/p')
  [ -n "$commands" ] || { echo "zedactl --help lists no commands"; exit 1; }
  for c in $commands; do
    grep -q "^ *$c\b" <<< "$manual" || { echo "zedactl.1 lacks the command $c"; exit 1; }
  done
fi
echo "installed and ran zedactl $version"
