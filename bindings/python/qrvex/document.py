"""A document as qrvex.open() gives it: its format, properties, plain text,
headings and, for a workbook, its sheets, built from the document's JSON
output (docs/qrvex-document.schema.json) in one reading."""

import re
from typing import NamedTuple, Optional

__all__ = ["Document", "Heading", "Sheet", "Row", "Cell"]


class Heading(NamedTuple):
    """A heading: its level (1 to 6), its text and its number as shown ("" for none)."""
    level: int
    text: str
    number: str


_ADDRESS = re.compile(r"([A-Z]+)([0-9]+)")


def _column_number(letters):
    number = 0
    for letter in letters:
        number = number * 26 + ord(letter) - ord("A") + 1
    return number


class Cell:
    """A cell with text: its address ("B3"), its type ("text", "number",
    "boolean" or "error"), its raw value and its text as the sheet shows it.

    value is a float for a number (a date or time as its day number), a bool
    for a truth value, the text for a text cell and None for an error.
    format is the number format code of a number ("" where none is given),
    date the value in ISO 8601 where the format shows a date or a time.
    """

    __slots__ = ("address", "type", "value", "text", "format", "date", "link", "merge")

    def __init__(self, record):
        self.address = record["address"]
        self.type = record["type"]
        self.text = record["text"]
        self.value = self._value_of(record)
        self.format = record.get("format", "")
        self.date = record.get("date")
        self.link = record.get("link")
        self.merge = record.get("merge")

    def _value_of(self, record):
        if self.type == "number":
            return float(record["value"])
        if self.type == "boolean":
            return bool(record["value"])
        return self.text if self.type == "text" else None

    @property
    def row(self):
        """The row's number, from 1."""
        return int(_ADDRESS.fullmatch(self.address).group(2))

    @property
    def column(self):
        """The column's number, from 1 (A is 1)."""
        return _column_number(_ADDRESS.fullmatch(self.address).group(1))

    def __repr__(self):
        return f"Cell({self.address!r}, {self.type!r}, value={self.value!r}, text={self.text!r})"


class Row:
    """A row of a sheet that holds cells with text; iterating it yields its
    cells left to right (empty cells are left out)."""

    __slots__ = ("number", "hidden", "cells")

    def __init__(self, record):
        self.number = record["row"]
        self.hidden = record.get("hidden", False)
        self.cells = [Cell(cell) for cell in record["cells"]]

    def __iter__(self):
        return iter(self.cells)

    def __len__(self):
        return len(self.cells)

    def __repr__(self):
        return f"Row({self.number}, {len(self.cells)} cells)"


class Sheet:
    """A sheet of a workbook: its name, whether it is hidden, its size
    (rows and columns up to the last cell used) and its rows with text."""

    __slots__ = ("name", "hidden", "rows", "row_count", "column_count", "_cells")

    def __init__(self, record):
        self.name = record["name"]
        self.hidden = record.get("hidden", False)
        self.rows = [Row(row) for row in record["rows"]]
        self.row_count = record["dimensions"]["rows"]
        self.column_count = record["dimensions"]["columns"]
        self._cells = {cell.address: cell for row in self.rows for cell in row}

    def cell(self, address):
        """The cell at address ("B3"), or None where it holds no text."""
        return self._cells.get(address.upper())

    def __repr__(self):
        return f"Sheet({self.name!r}, {self.row_count} rows, {self.column_count} columns)"


def _runs_text(runs):
    return "".join(run.get("text", "") for run in runs)


def _paragraph_line(block):
    number = block.get("number")
    text = _runs_text(block["runs"])
    return f"{number} {text}" if number else text


def _block_lines(block):
    kind = block["type"]
    if kind == "table":
        for row in block["rows"]:
            yield "\t".join(" ".join(_blocks_lines(cell["blocks"])) for cell in row["cells"])
    elif kind == "sheet":
        for row in block["rows"]:
            yield "\t".join(cell["text"] for cell in row["cells"])
    else:
        yield _paragraph_line(block)


def _blocks_lines(blocks):
    for block in blocks:
        yield from _block_lines(block)


def _headings_in(blocks):
    for block in blocks:
        if block["type"] == "heading":
            yield Heading(block.get("level", 1), _runs_text(block["runs"]), block.get("number", ""))
        elif block["type"] == "table":
            for row in block["rows"]:
                for cell in row["cells"]:
                    yield from _headings_in(cell["blocks"])


class Document:
    """A document read by qrvex.open().

    format: the input's format by short name ("docx", "xlsx", "text", ...).
    title: the title paragraph's text, else the title property, else None.
    properties: the document's properties by name (title, subject, author,
    keywords, description, last_author, created, modified, ...), as str.
    text: the plain text, one line a paragraph, table row or sheet row
    (cells separated by tabs; a heading or list item after its number).
    headings: the headings in reading order, as Heading(level, text, number).
    sheets: a workbook's sheets in order (empty for other documents).
    notes: the footnotes, endnotes and comments, as dicts of the JSON output.
    data: the whole JSON output, parsed.
    """

    __slots__ = ("format", "title", "properties", "text", "headings", "sheets", "notes", "data")

    def __init__(self, data, format: Optional[str]):
        self.data = data
        self.format = format
        self.title = data.get("title")
        self.properties = dict(data["properties"])
        blocks = data["blocks"]
        self.text = "".join(line + "\n" for line in _blocks_lines(blocks))
        self.headings = list(_headings_in(blocks))
        self.sheets = [Sheet(block) for block in blocks if block["type"] == "sheet"]
        self.notes = list(data["notes"])

    def sheet(self, name):
        """The sheet called name; KeyError where there is none."""
        for sheet in self.sheets:
            if sheet.name == name:
                return sheet
        raise KeyError(name)

    def __repr__(self):
        return f"Document({self.format!r}, title={self.title!r}, {len(self.sheets)} sheets)"
