#!/usr/bin/env python3
"""Reads back the CSV of qrvex-export with Python's csv module and compares
each sheet's rows with the table of the same sheet in the HTML output: the
texts of the cells that are not empty, row by row (empty rows, which the
two write differently, are passed over).

    check_csv.py TOOL PATH...

Each PATH is a workbook or a folder of workbooks (.xlsx .xlsm .ods .qrvt);
folders that are not there are passed over.  Exits 0 when every sheet
agrees, 1 when one does not.
"""
import csv
import html.parser
import io
import re
import subprocess
import sys

from document_paths import check_each

EXTENSIONS = (".xlsx", ".xlsm", ".ods", ".qrvt")


class SheetTables(html.parser.HTMLParser):
    """The rows of each table.sheet of a page: lists of cell texts."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.sheets, self.row, self.cell = [], None, None
        self.in_object = 0  # inside a picture's placeholder or a chart: CSV has neither

    def handle_starttag(self, tag, attrs):
        classes = (dict(attrs).get("class") or "").split()
        if self.in_object or any(c in ("object", "chart", "chart-data") for c in classes):
            self.in_object += 1
        elif tag == "table" and "sheet" in classes:
            self.sheets.append([])
        elif tag == "tr" and self.sheets:
            self.row = []
        elif tag in ("td", "th") and self.row is not None:
            self.cell = ""
        elif tag == "br" and self.cell is not None:
            self.cell += "\n"

    def handle_endtag(self, tag):
        if self.in_object:
            self.in_object -= 1
        elif tag in ("td", "th") and self.cell is not None:
            self.row.append(self.cell)
            self.cell = None
        elif tag == "tr" and self.row is not None:
            self.sheets[-1].append(self.row)
            self.row = None

    def handle_data(self, data):
        if self.cell is not None and not self.in_object:
            self.cell += data


def texts(rows):
    """Rows as their non-empty texts, spaces squeezed; empty rows left out."""
    out = []
    for row in rows:
        cells = [re.sub(r"\s+", " ", c).strip() for c in row]
        cells = [c for c in cells if c]
        if cells:
            out.append(cells)
    return out


def run(tool, path, *arguments):
    done = subprocess.run([tool, path, "--quiet", "-o", "-", *arguments], capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8-sig", "replace")


def compare(tool, path):
    status, page = run(tool, path, "--format", "html")
    if status:
        return []
    tables = SheetTables()
    tables.feed(page)
    problems = []
    for number, sheet in enumerate(tables.sheets, start=1):
        status, text = run(tool, path, "--format", "csv", "--sheet", str(number))
        if status:
            problems.append(f"sheet {number}: the export failed ({status})")
            continue
        ours, theirs = texts(csv.reader(io.StringIO(text, newline=""))), texts(sheet)
        if ours != theirs:
            bad = next(((i, a, b) for i, (a, b) in enumerate(zip(ours, theirs)) if a != b), (len(ours), len(theirs)))
            problems.append(f"sheet {number}: {len(ours)} rows vs {len(theirs)}, first difference {bad}")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    return check_each(sys.argv[2:], EXTENSIONS, lambda doc: compare(sys.argv[1], doc), "workbooks agree")


if __name__ == "__main__":
    sys.exit(main())
