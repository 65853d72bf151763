#!/usr/bin/env python3
"""zedactl's reading commands load neither QtWidgets nor QtPrintSupport (nor
QtGui), nor the MQTT library and the TLS libraries behind it: each runs once
with the dynamic loader reporting every library it loads, at start and
later. The drawing commands, which zedactl hands over to zedactl-draw, do
load QtGui, and publish and acquire (whose service publishes), handed over
to zedactl-publish, load the MQTT library: the same watch sees them there.

    check_libraries.py ZEDACTL
"""

import os
import subprocess
import sys
import tempfile

FORBIDDEN = ("libQt6Widgets", "libQt6PrintSupport", "libQt6Gui", "libmosquitto", "libssl",
             "libcrypto")


def loaded(zedactl, args, data):
    """The libraries a command loaded and its exit status."""
    env = dict(os.environ, LD_DEBUG="files", LC_ALL="C", QT_QPA_PLATFORM="offscreen")
    run = subprocess.run([zedactl] + args, cwd=data, env=env, stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, errors="replace", timeout=60)
    libraries = set()
    for line in run.stderr.splitlines():
        # "  1234:	file=libQt6Core.so.6 [0];  needed by ..." or "... dynamically loaded by ..."
        if "file=" in line and ("needed by" in line or "dynamically loaded" in line):
            libraries.add(line.split("file=", 1)[1].split()[0])
    return libraries, run.returncode


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    zedactl = os.path.abspath(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as data:
        with open(os.path.join(data, "zeda.ini"), "w", encoding="ascii") as ini:
            ini.write("[ZEDA]\nCOM2=/nonexistent/tty\n")
        month = os.path.join(data, "D2026-03.ZMF")
        window = ["--from", "2026-03-01 00:00", "--to", "2026-03-01 00:59"]
        commands = [
            (["simulate", "--data-dir", data, "--from", "2026-03-01 00:00", "--minutes", "60"], 0),
            (["info", month, "--data-dir", data], 0),
            (["validate", month], 0),
            (["export", month, "--data-dir", data, *window, "--channels", "1",
              "-o", os.path.join(data, "x.csv")], 0),
            (["stats", month, "--data-dir", data, *window], 0),
            (["channel", "1", "--data-dir", data, "--show"], 0),
            (["operators", "--data-dir", data, "--list"], 0),
            (["password", "--data-dir", data, "--admin", "--stdin"], None),
            (["unit", "info", "--data-dir", data], None),
            (["--version"], 0),
        ]
        for args, status in commands:
            libraries, code = loaded(zedactl, args, data)
            if status is not None and code != status:
                failures.append(f"zedactl {args[0]} ended with {code}")
            if not any("libQt6Core" in name for name in libraries):
                failures.append(f"zedactl {args[0]}: no libraries seen (is LD_DEBUG honoured?)")
            for name in sorted(libraries):
                if name.startswith(FORBIDDEN):
                    failures.append(f"zedactl {args[0]} loaded {name}")
        libraries, code = loaded(zedactl, ["config", "--data-dir", data], data)
        if code != 0 or not any(name.startswith("libQt6Gui") for name in libraries):
            failures.append(f"zedactl config (handed over) did not load QtGui: {sorted(libraries)}")
        # Without a broker set, publish ends at once, after loading its libraries.
        libraries, code = loaded(zedactl, ["publish", "--data-dir", data], data)
        if code != 1 or not any(name.startswith("libmosquitto") for name in libraries):
            failures.append(f"zedactl publish (handed over) did not load libmosquitto: "
                            f"{sorted(libraries)}")
        if any(name.startswith("libQt6Gui") for name in libraries):
            failures.append("zedactl publish loaded QtGui")
        libraries, code = loaded(zedactl, ["acquire", "--data-dir", data, "--idle", "0"], data)
        if not any(name.startswith("libmosquitto") for name in libraries):
            failures.append(f"zedactl acquire (handed over) did not load libmosquitto: "
                            f"{sorted(libraries)}")
        if any(name.startswith("libQt6Gui") for name in libraries):
            failures.append("zedactl acquire loaded QtGui")
    for line in failures:
        print(line)
    print("failed" if failures else f"{len(commands)} reading commands on QtCore alone")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
