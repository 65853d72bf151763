#!/usr/bin/env bash
# The acquisition service's systemd unit as systemd reads it: an instance of
# the template (running the built zedactl) verifies without a word, and it
# restarts on failure, runs as its own user and keeps its data directory.
set -euo pipefail
dir=$1
unit="$dir/zeda-acquire@plant.service"
out=$(systemd-analyze verify --man=no "$unit" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "systemd-analyze verify: $out"; exit 1; }
template="$dir/zeda-acquire@.service"
for line in 'Restart=on-failure' 'User=zeda' 'StateDirectory=zeda/%i' \
            'StandardError=journal' 'WantedBy=multi-user.target'; do
  grep -qx "$line" "$template" || { echo "the unit lacks $line"; exit 1; }
done
grep -q '^ExecStart=.*zedactl acquire --follow --data-dir /var/lib/zeda/%i$' "$template" ||
  { echo "the unit does not run zedactl acquire --follow on its directory"; exit 1; }
echo "verified $(basename "$template")"
