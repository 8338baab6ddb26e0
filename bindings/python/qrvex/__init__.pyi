import os
from typing import IO, Literal, Mapping, Optional, Tuple, Union

from .document import Cell as Cell, Document as Document, Heading as Heading, Row as Row, Sheet as Sheet

_Path = Union[str, "os.PathLike[str]", "os.PathLike[bytes]"]
_Source = Union[_Path, bytes, bytearray, memoryview, IO[bytes]]
_Format = Literal["html", "text", "markdown", "csv", "json", "items"]

__version__: str
OUTPUT_FORMATS: Mapping[str, Tuple[str, ...]]

class Error(Exception):
    code: int
    def __init__(self, message: str, code: int = ...) -> None: ...

class FormatError(Error, ValueError): ...
class DocumentError(Error): ...
class OutputError(Error, OSError): ...

def convert(
    src: _Source,
    to: Union[_Format, str] = "html",
    *,
    from_format: Optional[str] = None,
    locale: Optional[_Path] = None,
    name: Optional[str] = None,
) -> str: ...

def convert_file(
    src: _Source,
    dst: _Path,
    *,
    to: Optional[Union[_Format, str]] = None,
    from_format: Optional[str] = None,
    locale: Optional[_Path] = None,
    name: Optional[str] = None,
) -> None: ...

def open(
    src: _Source,
    *,
    from_format: Optional[str] = None,
    locale: Optional[_Path] = None,
    name: Optional[str] = None,
) -> Document: ...
