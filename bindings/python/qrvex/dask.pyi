import os
from typing import Any, Iterable, List, Mapping, NamedTuple, Optional, Tuple, Union

import distributed

_Path = Union[str, "os.PathLike[str]", "os.PathLike[bytes]"]

CONVERTED: str
FAILED: str

class Result(NamedTuple):
    path: str
    output: str
    status: str  # "converted" or "failed"
    reason: str
    seconds: float

def output_names(paths: Iterable[_Path], out_dir: _Path, extension: str) -> List[str]: ...
def convert_one(path: str, output: str, to: str, options: Mapping[str, Any]) -> Result: ...
def convert_share(jobs: Iterable[Tuple[str, str]], to: str, options: Mapping[str, Any]) -> List[Result]: ...
def convert_many(
    paths: Iterable[_Path],
    out_dir: _Path,
    to: str = "html",
    client: Optional[distributed.Client] = None,
    *,
    from_format: Optional[str] = None,
    locale: Optional[_Path] = None,
    per_task: Optional[int] = None,
) -> List[Result]: ...
