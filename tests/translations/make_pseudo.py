#!/usr/bin/env python3
"""Writes a pseudo catalogue: every text of a catalogue translated as
"⟦" + source + "⟧", so that a text on screen that lacks the brackets did not
come through the catalogues.

    make_pseudo.py IN.ts OUT.ts
"""

import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"


def main():
    source_ts, pseudo_ts = sys.argv[1], sys.argv[2]
    tree = ET.parse(source_ts)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        translation.text = OPEN + message.findtext("source", "") + CLOSE
    for obsolete in root.iter("context"):
        for message in list(obsolete.iter("message")):
            if message.find("translation").get("type") in ("obsolete", "vanished"):
                obsolete.remove(message)
    body = ET.tostring(root, encoding="unicode")
    with open(pseudo_ts, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
