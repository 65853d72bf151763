#!/usr/bin/env python3
"""Fails when a catalogue is not complete for the sources.

Runs lupdate over the source folders into temporary copies of the catalogues
and names every text that is new (no translation yet), unfinished, or
vanished (its source text changed or was removed).

    check_catalogues.py LUPDATE SOURCE_ROOT [--folders a b ...] [--ts x.ts ...]

With --update it runs lupdate onto the catalogues themselves instead (the
first step of adding texts; scripts/ts_fill.py is the second).
"""

import argparse
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# lupdate's options for the catalogues: no line numbers, so a moved text
# changes nothing.
LUPDATE_OPTIONS = ["-silent", "-locations", "none", "-no-ui-lines", "-extensions", "cpp,h"]
# The folders whose texts the catalogues hold, and the catalogues.
FOLDERS = ["config", "files", "comm", "view", "publish", "print", "operators", "dialogs", "app",
           "tools", "unit"]
CATALOGUES = ["translations/zeda_en.ts", "translations/zeda_de.ts"]


def keys(path):
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            state = "" if translation is None else translation.get("type", "")
            done = translation is not None and (translation.text or "") != ""
            yield (name, message.findtext("source", "")), state, done


def problems(original, updated):
    before = {key for key, _, _ in keys(original)}
    found = []
    for key, state, done in keys(updated):
        if state in ("vanished", "obsolete"):
            found.append(("vanished (changed or removed in the sources)", key))
        elif key not in before:
            found.append(("new, not in the catalogue", key))
        elif state == "unfinished" or not done:
            found.append(("unfinished", key))
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("lupdate")
    parser.add_argument("root", type=Path)
    parser.add_argument("--folders", nargs="+", default=FOLDERS)
    parser.add_argument("--ts", nargs="+", type=Path)
    parser.add_argument("--update", action="store_true")
    args = parser.parse_args()
    args.ts = args.ts or [args.root / c for c in CATALOGUES]
    # The root on the include path lets lupdate see the classes' headers.
    folders = ["-I", str(args.root), *(str(args.root / f) for f in args.folders)]
    if args.update:
        # Texts no longer in the sources leave the catalogues.
        return subprocess.run([args.lupdate, *LUPDATE_OPTIONS, "-no-obsolete", *folders, "-ts",
                               *map(str, args.ts)]).returncode

    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in args.ts:
            copy = Path(tmp) / ts.name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run([args.lupdate, *LUPDATE_OPTIONS, *folders, "-ts",
                              *map(str, copies)], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("lupdate failed")
            return 1
        count = 0
        for ts, copy in zip(args.ts, copies):
            for what, (context, source) in problems(ts, copy):
                print(f"{ts.name}: [{context}] {source!r}: {what}")
                count += 1
    if count:
        print(f"{count} texts need their translations: run lupdate "
              f"({' '.join(LUPDATE_OPTIONS)}), then scripts/ts_fill.py with their TSV lines")
        return 1
    print("catalogues complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
