"""Many documents converted on a Dask distributed cluster.

    >>> from qrvex.dask import convert_many
    >>> results = convert_many(paths, "out/", to="html")                  # a LocalCluster for the call
    >>> results = convert_many(paths, "/shared/out", client=Client("tcp://scheduler:8786"))
    >>> [r.path for r in results if r.status == "failed"]

Each task converts a share of the documents with qrvex.convert_file, one
after another, and reports how each went.  A document that cannot be read or written fails alone,
with its reason; the batch goes on.  Inputs and the output folder must be on
storage every worker sees.
"""

import os
import time
from typing import NamedTuple, Optional

try:
    import distributed
except ImportError as missing:
    raise ImportError("qrvex.dask needs Dask distributed (Debian: python3-distributed; pip: distributed)",
                      name=missing.name) from missing

from . import OUTPUT_FORMATS, Error, FormatError, convert_file

__all__ = ["convert_many", "Result", "output_names"]

CONVERTED = "converted"
FAILED = "failed"


class Result(NamedTuple):
    """How one document went: its path, the output it was to be written to,
    "converted" or "failed", the reason of a failure ("" otherwise) and the
    seconds its conversion took on its worker."""
    path: str
    output: str
    status: str
    reason: str
    seconds: float


def output_names(paths, out_dir, extension):
    """The output of each input: out_dir/STEM.EXT, and STEM-1.EXT, STEM-2.EXT
    ... for inputs that would write the same name as one before them."""
    taken = set()
    outputs = []
    for path in paths:
        stem = os.path.splitext(os.path.basename(os.fsdecode(path)))[0]
        candidate, n = stem + extension, 0
        while candidate in taken:
            n += 1
            candidate = f"{stem}-{n}{extension}"
        taken.add(candidate)
        outputs.append(os.path.join(os.fsdecode(out_dir), candidate))
    return outputs


def convert_one(path, output, to, options):
    """Converts path into output; never raises."""
    start = time.perf_counter()
    try:
        convert_file(path, output, to=to, **options)
        status, reason = CONVERTED, ""
    except (Error, OSError, ValueError) as failure:
        status, reason = FAILED, str(failure)
    return Result(path, output, status, reason, time.perf_counter() - start)


def convert_share(jobs, to, options):
    """A worker's task: converts each (path, output) of jobs in turn."""
    return [convert_one(path, output, to, options) for path, output in jobs]


def _shares(jobs, per_task):
    return [jobs[n:n + per_task] for n in range(0, len(jobs), per_task)]


def _task_size(client, count):
    # About four tasks a worker: few enough that the scheduler's cost per
    # task is spread over many documents, enough to even out the workers.
    workers = max(1, len(client.scheduler_info()["workers"]))
    return max(1, min(64, -(-count // (4 * workers))))


def _outcomes(future, share):
    try:
        return future.result()
    except Exception as failure:  # the worker died or the task could not run
        reason = f"{type(failure).__name__}: {failure}"
        return [Result(path, output, FAILED, f"{path}: {reason}", 0.0) for path, output in share]


def _convert_on(client, jobs, to, options, per_task):
    shares = _shares(jobs, per_task or _task_size(client, len(jobs)))
    futures = client.map(convert_share, shares, to=to, options=options, pure=False, retries=0)
    try:
        return [result for future, share in zip(futures, shares) for result in _outcomes(future, share)]
    finally:
        client.cancel(futures)


def _default_client():
    try:
        return distributed.get_client(), None
    except ValueError:
        client = distributed.Client(distributed.LocalCluster(processes=True, threads_per_worker=1))
        return client, client


def convert_many(paths, out_dir, to="html", client: Optional[distributed.Client] = None, *, from_format=None,
                 locale=None, per_task=None):
    """Converts each of paths into out_dir on a Dask cluster and returns a
    list of Result(path, output, status, reason, seconds), one per path in
    the order given (pandas.DataFrame(results) makes a frame of it).

    to: the output format ("html", "text", "markdown", "csv", "json"); each
    output is out_dir/STEM.EXT, STEM-1.EXT for a second input of that stem.
    client: a distributed.Client; None takes the current one, or starts a
    LocalCluster of one worker process a core for this call.
    from_format, locale: as for qrvex.convert().
    per_task: how many documents one task converts; None spreads them over
    about four tasks a worker (at most 64 documents a task).

    A document that fails is reported with its reason and never stops the
    batch; FormatError for an output format not written, before any work.
    """
    if to not in OUTPUT_FORMATS or to == "items":
        raise FormatError(f"unknown output format '{to}'")
    paths = [os.fsdecode(path) for path in paths]
    os.makedirs(out_dir, exist_ok=True)
    jobs = list(zip(paths, output_names(paths, out_dir, OUTPUT_FORMATS[to][0])))
    options = {"from_format": from_format, "locale": locale}
    client, own = (client, None) if client is not None else _default_client()
    try:
        return _convert_on(client, jobs, to, options, per_task)
    finally:
        if own is not None:
            cluster = own.cluster
            own.close()
            cluster.close()
