#!/usr/bin/env python3
"""Fills the unfinished texts of the catalogues from pending TSV files.

Run lupdate first, so the catalogues hold every text of the sources; then

    scripts/ts_fill.py translations/pending/*.tsv

takes, for each text that is still unfinished in translations/zeda_en.ts and
translations/zeda_de.ts, the English and the German translation from the TSV
lines (context TAB source TAB english TAB german, and TAB disambiguation for a
source text that stands for two things; \\n, \\t and \\\\ inside a field
stand for a newline, a tab and a backslash) and reports the texts that
are still unfinished. With --strict the exit status is 1 while any are left.
"""

import argparse
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ESCAPES = {"n": "\n", "t": "\t", "\\": "\\"}


def unescape(field):
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field) and field[i + 1] in ESCAPES:
            out.append(ESCAPES[field[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_pending(paths):
    """{(context, source, disambiguation): (english, german)}; complains about malformed
    lines."""
    table, bad = {}, 0
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\r\n")
                if not line.strip():
                    continue
                fields = line.split("\t")
                if len(fields) not in (4, 5):
                    print(f"{path}:{number}: needs 4 or 5 TAB-separated fields, has "
                          f"{len(fields)}", file=sys.stderr)
                    bad += 1
                    continue
                context, source, english, german, *comment = (unescape(x) for x in fields)
                table[(context, source, comment[0] if comment else "")] = (english, german)
    return table, bad


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def fill(ts_path, table, column):
    """Fills the unfinished messages of one catalogue; returns (filled, left, used keys)."""
    tree = ET.parse(ts_path)
    filled, left, used = 0, [], set()
    for context, message in messages(tree):
        translation = message.find("translation")
        if translation is None or translation.get("type") != "unfinished":
            continue
        key = (context, message.findtext("source", ""), message.findtext("comment", ""))
        text = table.get(key, ("", ""))[column]
        if text:
            translation.text = text
            del translation.attrib["type"]
            filled += 1
            used.add(key)
        else:
            left.append(key)
    if filled:
        write(tree, ts_path)
    return filled, left, used


def write(tree, path):
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("pending", nargs="*", type=Path, help="TSV files")
    parser.add_argument("--en", type=Path, default=ROOT / "translations/zeda_en.ts")
    parser.add_argument("--de", type=Path, default=ROOT / "translations/zeda_de.ts")
    parser.add_argument("--strict", action="store_true",
                        help="exit with 1 while any text is unfinished")
    args = parser.parse_args()

    table, bad = read_pending(args.pending)
    unfinished, used = 0, set()
    for ts_path, column in ((args.en, 0), (args.de, 1)):
        filled, left, keys = fill(ts_path, table, column)
        used |= keys
        print(f"{ts_path.name}: {filled} filled, {len(left)} unfinished")
        for context, source, comment in left:
            print(f"  unfinished: [{context}] {source!r}" + (f" ({comment})" if comment else ""))
        unfinished += len(left)
    unused = len(set(table) - used)
    if unused:
        print(f"{unused} pending lines matched no unfinished text (already done or not in the "
              "sources)")
    return 1 if bad or (args.strict and unfinished) else 0


if __name__ == "__main__":
    sys.exit(main())
