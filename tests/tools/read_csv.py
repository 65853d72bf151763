#!/usr/bin/env python3
"""Reads a CSV export back as a spreadsheet script would: Python's csv module
with the dialect's separator and encoding, and for rfc4180 pandas.read_csv
with its defaults. Prints JSON: the rows, and pandas' columns with their
types and values (null for a missing value)."""
import csv
import json
import math
import sys

path, dialect = sys.argv[1], sys.argv[2]
encoding = {"zeda": "cp1252", "excel-de": "utf-8-sig", "excel-en": "utf-8-sig"}.get(dialect, "utf-8")
separator = ";" if dialect in ("zeda", "excel-de") else ","
with open(path, encoding=encoding, newline="") as f:
    rows = list(csv.reader(f, delimiter=separator))
result = {"rows": rows}
if dialect == "rfc4180":
    import pandas

    frame = pandas.read_csv(path)
    result["pandas"] = {
        column: {
            "dtype": str(frame[column].dtype),
            "values": [None if isinstance(v, float) and math.isnan(v) else v
                       for v in frame[column].tolist()],
        }
        for column in frame.columns
    }
print(json.dumps(result))
