#!/usr/bin/env python3
"""The completeness check fails for a text without translations, and
ts_fill.py mends it: both run on a tiny source tree of their own."""

import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
CHECK = HERE / "check_catalogues.py"
FILL = HERE.parent.parent / "scripts" / "ts_fill.py"
LUPDATE = sys.argv[1]


def run(*args):
    r = subprocess.run([sys.executable, *map(str, args)], capture_output=True, text=True)
    return r.returncode, r.stdout + r.stderr


def source(path, *texts):
    lines = [f'    QCoreApplication::translate("Probe", "{t}");' for t in texts]
    path.write_text("#include <QCoreApplication>\nvoid f() {\n" + "\n".join(lines) + "\n}\n")


def expect(condition, what, output=""):
    if not condition:
        print("FAIL:", what)
        print(output)
        sys.exit(1)


with tempfile.TemporaryDirectory() as tmp:
    root = Path(tmp)
    (root / "src").mkdir()
    en, ts = root / "probe_en.ts", root / "probe_de.ts"
    for path, language in ((en, "en"), (ts, "de")):
        path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                        f'<TS version="2.1" language="{language}">\n</TS>\n')
    tsv = root / "probe.tsv"
    tsv.write_text("Probe\tFirst line\\nsecond\tFirst line\\nsecond\tErste Zeile\\nzweite\n")
    check = [CHECK, LUPDATE, root, "--folders", "src", "--ts", en, ts]
    fill = [FILL, tsv, "--en", en, "--de", ts, "--strict"]

    source(root / "src" / "a.cpp", "First line\\nsecond")
    code, out = run(*check)
    expect(code == 1 and "'First line\\nsecond': new" in out, "a new text is named", out)

    code, out = run(*check, "--update")
    expect(code == 0, "lupdate takes the text in", out)
    code, out = run(*fill)
    expect(code == 0 and out.count("1 filled, 0 unfinished") == 2, "ts_fill fills it", out)
    code, out = run(*check)
    expect(code == 0, "the filled catalogue is complete", out)
    expect("<translation>Erste Zeile\nzweite</translation>" in ts.read_text(),
           "the German column, its escapes undone", ts.read_text())

    source(root / "src" / "a.cpp", "First line\\nsecond", "Added later")
    code, out = run(*check)
    expect(code == 1 and out.count("'Added later': new") == 2 and out.count(": new") == 2,
           "exactly the added text is named", out)

    source(root / "src" / "a.cpp", "First line, changed")
    code, out = run(*check)
    expect(code == 1 and "'First line\\nsecond': vanished" in out
           and "'First line, changed': new" in out, "a changed text is named twice", out)

    run(*check, "--update")
    code, out = run(*fill)
    expect(code == 1 and "unfinished: [Probe] 'First line, changed'" in out,
           "ts_fill --strict reports what is left", out)
print("ok")
