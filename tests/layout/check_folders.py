#!/usr/bin/env python3
"""The folders depend one way. Derives the folder graph from the #include
lines of the program's sources and fails on every include against the order

    config < files < comm < view < publish < dialogs | operators | print < app

where each folder includes only folders below it; dialogs, operators and
print lie side by side and include none of each other; tools/ and unit/ may
include every folder but app/. Other folders (tests, bench, fuzz) are not
checked. Prints the graph, then each wrong include as FILE:LINE.

    check_folders.py SOURCE_DIR
    check_folders.py --self-test   (plants wrong includes in a temporary tree)
"""

import os
import re
import sys
import tempfile

LEVELS = {
    "config": 0,
    "files": 1,
    "comm": 2,
    "view": 3,
    "publish": 4,
    "dialogs": 5,
    "operators": 5,
    "print": 5,
    "app": 6,
}
PROGRAMS = ("tools", "unit")  # on top of everything but app/
ORDER = "config < files < comm < view < publish < dialogs | operators | print < app"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"')


def allowed(source, target):
    if source == target:
        return True
    if source in PROGRAMS:
        return target != "app"
    return target in LEVELS and LEVELS[target] < LEVELS[source]


def includes(root):
    """(folder, path, line number, included folder, include text) of every
    include of a checked folder that names a folder."""
    for folder in sorted(list(LEVELS) + list(PROGRAMS)):
        top = os.path.join(root, folder)
        for directory, _, names in sorted(os.walk(top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(directory, name)
                with open(path, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if match and (match.group(1) in LEVELS or match.group(1) in PROGRAMS):
                            yield folder, os.path.relpath(path, root), number, match.group(1), \
                                line.strip()


def check(root, out=sys.stdout):
    """Prints the graph and the wrong includes; the number of wrong ones."""
    edges = {}
    wrong = []
    for folder, path, number, target, text in includes(root):
        if folder != target:
            edges[(folder, target)] = edges.get((folder, target), 0) + 1
        if not allowed(folder, target):
            wrong.append(f"{path}:{number}: {folder}/ includes {target}/ ({text})")
    print("folder graph (includes between folders):", file=out)
    for (folder, target), count in sorted(edges.items()):
        print(f"  {folder} -> {target}  {count}", file=out)
    for line in wrong:
        print(line, file=out)
    if wrong:
        print(f"{len(wrong)} include(s) against the order {ORDER}; "
              "tools/ and unit/ may use all but app/", file=out)
    return len(wrong)


def self_test():
    """The check finds planted wrong includes, with file and line, and
    passes a tree without them."""
    import io

    def tree(files):
        root = tempfile.mkdtemp()
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.write(text)
        return root

    good = {
        "config/Cconfig.h": "#pragma once\n#include <QString>\n",
        "files/Cfile.cpp": '#include "files/Cfile.h"\n#include "config/Cconfig.h"\n',
        "print/Uprinter.cpp": '#include "view/Cview.h"\n#include "tst.moc"\n',
        "tools/zedactl.cpp": '#include "print/Cprintbase.h"\n#include "unit/Cunit.h"\n',
        "tests/tst_app.cpp": '#include "app/Umain.h"\n',
    }
    planted = {
        "config/Cconfig.cpp": '#include "config/Cconfig.h"\n\n#include "view/Cview.h"\n',
        "operators/Ulogin.cpp": '// login\n#include "dialogs/Ubuttons.h"\n',
        "unit/zeda-unit.cpp": '#include "app/Umain.h"\n',
    }
    failures = []
    report = io.StringIO()
    if check(tree(good), report) != 0:
        failures.append("a tree in order was refused:\n" + report.getvalue())
    report = io.StringIO()
    count = check(tree({**good, **planted}), report)
    text = report.getvalue()
    if count != 3:
        failures.append(f"{count} wrong includes found instead of 3:\n{text}")
    for where in ("config/Cconfig.cpp:3:", "operators/Ulogin.cpp:2:", "unit/zeda-unit.cpp:1:"):
        if where not in text:
            failures.append(f"{where} not named:\n{text}")
    for line in failures:
        print("self-test: " + line)
    print("self-test: " + ("failed" if failures else "the check finds what was planted"))
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    return 1 if check(sys.argv[1]) else 0


if __name__ == "__main__":
    sys.exit(main())
