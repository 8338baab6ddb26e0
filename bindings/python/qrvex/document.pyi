from typing import Any, Dict, Iterator, List, NamedTuple, Optional, Union

class Heading(NamedTuple):
    level: int
    text: str
    number: str

class Cell:
    address: str
    type: str  # "text", "number", "boolean" or "error"
    value: Union[float, bool, str, None]
    text: str
    format: str
    date: Optional[str]
    link: Optional[str]
    merge: Optional[str]
    def __init__(self, record: Dict[str, Any]) -> None: ...
    @property
    def row(self) -> int: ...
    @property
    def column(self) -> int: ...

class Row:
    number: int
    hidden: bool
    cells: List[Cell]
    def __init__(self, record: Dict[str, Any]) -> None: ...
    def __iter__(self) -> Iterator[Cell]: ...
    def __len__(self) -> int: ...

class Sheet:
    name: str
    hidden: bool
    rows: List[Row]
    row_count: int
    column_count: int
    def __init__(self, record: Dict[str, Any]) -> None: ...
    def cell(self, address: str) -> Optional[Cell]: ...

class Document:
    format: Optional[str]
    title: Optional[str]
    properties: Dict[str, str]
    text: str
    headings: List[Heading]
    sheets: List[Sheet]
    notes: List[Dict[str, Any]]
    data: Dict[str, Any]
    def __init__(self, data: Dict[str, Any], format: Optional[str]) -> None: ...
    def sheet(self, name: str) -> Sheet: ...
