"""Documents converted in one call: DOCX, XLSX, ODT, ODS, ... into HTML, text,
Markdown, CSV or JSON.

    >>> import qrvex
    >>> page = qrvex.convert("report.docx")                  # an HTML page, as str
    >>> table = qrvex.convert(open("budget.xlsx", "rb"), to="csv")
    >>> qrvex.convert_file("report.docx", "report.md")       # format from the extension
    >>> book = qrvex.open("budget.xlsx")                     # format, properties, text, headings, sheets
    >>> [cell.value for cell in book.sheets[0].rows[1]]

Every failure raises qrvex.Error (FormatError, DocumentError, OutputError)
with a one-line message that names the file and the part that failed.  The
interpreter's lock is released while a document converts, so threads
convert in parallel.
"""

import builtins
import json
import os

from . import _qrvex
from .document import Cell, Document, Heading, Row, Sheet

__version__ = _qrvex.__version__

__all__ = ["convert", "convert_file", "open", "Error", "FormatError", "DocumentError", "OutputError",
           "OUTPUT_FORMATS", "Document", "Heading", "Sheet", "Row", "Cell"]

#: The output formats by name, each with the file extensions that ask for it.
OUTPUT_FORMATS = {
    "html": (".html", ".htm"),
    "text": (".txt",),
    "markdown": (".md", ".markdown"),
    "csv": (".csv",),
    "json": (".json",),
    "items": (".qrvt",),
}


class Error(Exception):
    """A conversion failed; code is the library's result code (QRVC_ERR_*)."""

    def __init__(self, message, code=_qrvex.ERR_INTERNAL):
        super().__init__(message)
        self.code = code


class FormatError(Error, ValueError):
    """The input or output format is unknown, or not one this library writes."""


class DocumentError(Error):
    """The input cannot be read: missing, broken, encrypted or refused."""


class OutputError(Error, OSError):
    """The output cannot be written."""


_ERRORS_BY_CODE = {
    _qrvex.ERR_INPUT_FORMAT: FormatError,
    _qrvex.ERR_OUTPUT_FORMAT: FormatError,
    _qrvex.ERR_INPUT: DocumentError,
    _qrvex.ERR_OUTPUT: OutputError,
}


def _raise_on_failure(result):
    code, message, output = result
    if code != _qrvex.OK:
        raise _ERRORS_BY_CODE.get(code, Error)(message, code)
    return output


def _format_of_path(path):
    extension = os.path.splitext(os.fsdecode(path))[1].lower()
    for name, extensions in OUTPUT_FORMATS.items():
        if extension in extensions:
            return name
    raise FormatError(f"{os.fsdecode(path)}: no output format is written as '{extension}' "
                      f"(name one with to=)", _qrvex.ERR_OUTPUT_FORMAT)


def _title_of(name):
    return os.path.splitext(os.path.basename(name))[0] if name else None


class _Source:
    """What src stands for: a path, or bytes with the name they go by."""

    def __init__(self, src, name):
        self.path = None
        self.data = None
        self.name = name
        if isinstance(src, (str, os.PathLike)):
            self.path = os.fsencode(src)
        elif isinstance(src, (bytes, bytearray, memoryview)):
            self.data = src
        elif hasattr(src, "read"):
            self.data = src.read()
            file_name = getattr(src, "name", None)
            if self.name is None and isinstance(file_name, str):
                self.name = file_name
        else:
            raise TypeError("src must be a path, bytes, bytearray, memoryview or a binary file object, "
                            f"not {type(src).__name__}")
        if self.data is not None and not isinstance(self.data, (bytes, bytearray, memoryview)):
            raise TypeError(f"src.read() returned {type(self.data).__name__}, not bytes: open the file in binary mode")

    def request(self, from_format, locale):
        return _qrvex.Request(input_format=from_format,
                              locale_file=os.fsdecode(locale) if locale is not None else None,
                              title=_title_of(self.name))


def convert(src, to="html", *, from_format=None, locale=None, name=None):
    """Converts a document and returns the output as str.

    src: a path (str or os.PathLike), bytes, bytearray, memoryview, or a
    binary file object (read to its end).
    to: "html", "text", "markdown", "csv" or "json".
    from_format: the input's format by name ("docx", "xlsx", ...); None
    tells it from the content.
    locale: a file of number and date conventions (KEY=VALUE lines); None
    for the en-US defaults.
    name: the name the input goes by: the page's title (without folders and
    extension) where the document gives none, and, for bytes, the input's
    name in messages.  A file object's own name is taken when None.

    Raises FormatError, DocumentError or another Error.
    """
    return _convert_to_memory(_Source(src, name), to, from_format, locale).decode("utf-8")


def _convert_to_memory(source, to, from_format, locale):
    request = source.request(from_format, locale)
    if source.path is not None:
        return _raise_on_failure(_qrvex.file_to_memory(source.path, to, request))
    return _raise_on_failure(_qrvex.memory_to_memory(source.data, source.name, to, request))


def _format_of(source, from_format):
    if from_format:
        return _qrvex.format_named(from_format)
    if source.path is None:
        return _qrvex.detect_format(source.data, source.name)
    with builtins.open(source.path, "rb") as stream:
        return _qrvex.detect_format(stream.read(), os.fsdecode(source.path))


def open(src, *, from_format=None, locale=None, name=None):
    """Reads a document once and returns it as a Document: its format,
    title, properties, plain text, headings and, for a workbook, its sheets,
    whose rows yield cells with their raw value, type and text as shown.

        >>> book = qrvex.open("budget.xlsx")
        >>> for row in book.sheets[0].rows:
        ...     print([(cell.address, cell.type, cell.value, cell.text) for cell in row])

    src, from_format, locale and name are as for convert().

    Raises FormatError, DocumentError or another Error.
    """
    source = _Source(src, name)
    output = _convert_to_memory(source, "json", from_format, locale)
    return Document(json.loads(output), _format_of(source, from_format))


def convert_file(src, dst, *, to=None, from_format=None, locale=None, name=None):
    """Converts a document into the file dst, which appears whole or not at all.

    src, from_format, locale and name are as for convert(); dst is a path.
    to: the output format; None takes it from dst's extension (.html, .htm,
    .txt, .md, .markdown, .csv, .json).

    Raises FormatError, DocumentError, OutputError or another Error.
    """
    if not isinstance(dst, (str, bytes, os.PathLike)):
        raise TypeError(f"dst must be a path, not {type(dst).__name__}")
    to = to if to is not None else _format_of_path(dst)
    source = _Source(src, name)
    request = source.request(from_format, locale)
    output = os.fsencode(dst)
    if source.path is not None:
        _raise_on_failure(_qrvex.file_to_file(source.path, output, to, request))
    else:
        _raise_on_failure(_qrvex.memory_to_file(source.data, source.name, output, to, request))
