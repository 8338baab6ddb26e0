"""The Python package over the one-call conversions: every input format of
samples/ in every output, every kind of source giving the path's result,
failures raising the subclass that names them, and threads in parallel."""

import io
import json
import os
import pathlib
import threading
import time
from concurrent.futures import ThreadPoolExecutor

import pytest

import qrvex

SAMPLES = pathlib.Path(__file__).resolve().parents[2] / "samples"

# One sample of each input format samples/ holds.
INPUTS = ["report.docx", "budget.xlsx", "ledger.qrvt"]
OUTPUTS = ["html", "text", "markdown", "csv", "json"]


def sample(name):
    return SAMPLES / name


def sample_bytes(name):
    return sample(name).read_bytes()


def looks_like(output, text):
    checks = {
        "html": lambda: text.startswith("<!DOCTYPE html>") and text.rstrip().endswith("</html>"),
        "text": lambda: text.strip() != "",
        "markdown": lambda: text.strip() != "",
        "csv": lambda: "," in text.splitlines()[0],
        "json": lambda: json.loads(text)["format"] == "qrvex-document",
    }
    return checks[output]()


@pytest.mark.parametrize("output", OUTPUTS)
@pytest.mark.parametrize("name", INPUTS)
def test_each_input_in_each_output(name, output):
    text = qrvex.convert(sample(name), to=output)
    assert isinstance(text, str)
    assert looks_like(output, text), text[:200]


@pytest.mark.parametrize("name, output, expected", [
    ("report.qrvt", "html", "report.html"),
    ("handbook.qrvt", "text", "handbook.txt"),
    ("ledger.qrvt", "markdown", "ledger.md"),
])
def test_output_is_the_golden_file(name, output, expected):
    assert qrvex.convert(str(sample(name)), to=output) == sample(expected).read_bytes().decode("utf-8")


SOURCE_KINDS = {
    "bytes": lambda name: sample_bytes(name),
    "bytearray": lambda name: bytearray(sample_bytes(name)),
    "memoryview": lambda name: memoryview(sample_bytes(name)),
    "a slice of a memoryview": lambda name: memoryview(b"xx" + sample_bytes(name))[2:],
    "an open file": lambda name: open(sample(name), "rb"),
    "a named BytesIO": lambda name: named_bytes_io(name),
}


def named_bytes_io(name):
    stream = io.BytesIO(sample_bytes(name))
    stream.name = name
    return stream


@pytest.mark.parametrize("kind", SOURCE_KINDS)
@pytest.mark.parametrize("name, output", [("report.docx", "html"), ("budget.xlsx", "csv"), ("ledger.qrvt", "json")])
def test_every_source_gives_the_paths_result(kind, name, output):
    src = SOURCE_KINDS[kind](name)
    # Bytes go by no name of their own; the name gives the page the path's title.
    given_name = name if kind in ("bytes", "bytearray", "memoryview", "a slice of a memoryview") else None
    try:
        assert qrvex.convert(src, to=output, name=given_name) == qrvex.convert(sample(name), to=output)
    finally:
        if hasattr(src, "close"):
            src.close()


def quarter_figures(directory):
    path = directory / "quarter-figures.qrvt"
    path.write_bytes(sample_bytes("ledger.qrvt"))
    return path


def convert_open_file(path):
    with open(path, "rb") as stream:
        return qrvex.convert(stream)


# A page's title, where the document gives none, is the name its input goes by.
TITLES = {
    "a path": lambda d: qrvex.convert(quarter_figures(d)),
    "bytes with a name": lambda d: qrvex.convert(sample_bytes("ledger.qrvt"), name="reports/quarter-figures.qrvt"),
    "an open file": lambda d: convert_open_file(quarter_figures(d)),
    "a path with a name": lambda d: qrvex.convert(sample("ledger.qrvt"), name="quarter-figures"),
}


@pytest.mark.parametrize("source", TITLES)
def test_the_name_gives_the_title(tmp_path, source):
    assert "<title>quarter-figures</title>" in TITLES[source](tmp_path)


@pytest.mark.parametrize("dst, to, output", [
    ("out.html", None, "html"), ("out.HTM", None, "html"), ("out.txt", None, "text"),
    ("out.md", None, "markdown"), ("out.csv", None, "csv"), ("out.json", None, "json"),
    ("out.page", "html", "html"),
])
def test_convert_file_writes_what_convert_returns(tmp_path, dst, to, output):
    target = tmp_path / dst
    qrvex.convert_file(sample("report.docx"), target, to=to)
    assert target.read_bytes().decode("utf-8") == qrvex.convert(sample("report.docx"), to=output)


def test_convert_file_from_bytes(tmp_path):
    target = tmp_path / "budget.csv"
    qrvex.convert_file(sample_bytes("budget.xlsx"), str(target))
    assert target.read_bytes().decode("utf-8") == qrvex.convert(sample("budget.xlsx"), to="csv")


def broken_package():
    return b"PK\x03\x04 this is no package"


# (what, call, the error class, a part the message names)
FAILURES = [
    ("a missing file", lambda d: qrvex.convert(d / "absent.docx"), qrvex.DocumentError, "absent.docx"),
    ("broken bytes", lambda d: qrvex.convert(broken_package(), name="upload.docx"), qrvex.DocumentError,
     "upload.docx"),
    ("bytes of no format", lambda d: qrvex.convert(b"\x00\x01\x02"), qrvex.DocumentError, "memory input"),
    ("an unknown output", lambda d: qrvex.convert(sample("report.docx"), to="pdf"), qrvex.FormatError, "'pdf'"),
    ("the items output", lambda d: qrvex.convert(sample("report.docx"), to="items"), qrvex.FormatError,
     "'items'"),
    ("an unknown input format", lambda d: qrvex.convert(sample("report.docx"), from_format="wordperfect"),
     qrvex.FormatError, "'wordperfect'"),
    ("an unknown extension", lambda d: qrvex.convert_file(sample("report.docx"), d / "out.pdf"),
     qrvex.FormatError, "out.pdf"),
    ("an unwritable output", lambda d: qrvex.convert_file(sample("report.docx"), d / "no" / "dir" / "out.html"),
     qrvex.OutputError, "out.html"),
    ("a missing locale file", lambda d: qrvex.convert(sample("report.docx"), locale=d / "absent.locale"),
     qrvex.Error, "absent.locale"),
]


@pytest.mark.parametrize("what, call, error, named", FAILURES, ids=[f[0] for f in FAILURES])
def test_failures_raise_the_error_that_names_them(tmp_path, what, call, error, named):
    with pytest.raises(error) as raised:
        call(tmp_path)
    assert named in str(raised.value)
    assert raised.value.code != 0
    assert not list(tmp_path.rglob("out.*")), "a failed conversion left its output"


@pytest.mark.parametrize("src", [42, ["report.docx"], io.StringIO("text")])
def test_sources_of_no_bytes_are_refused(src):
    with pytest.raises(TypeError):
        qrvex.convert(src)


def test_threads_in_parallel_give_the_same_results():
    jobs = [(name, output) for name in INPUTS for output in OUTPUTS] * 4
    expected = {job: qrvex.convert(sample(job[0]), to=job[1]) for job in set(jobs)}
    with ThreadPoolExecutor(max_workers=8) as pool:
        results = list(pool.map(lambda job: qrvex.convert(sample_bytes(job[0]), to=job[1], name=job[0]), jobs))
    assert results == [expected[job] for job in jobs]



def test_the_interpreter_runs_on_while_a_document_converts():
    # While one thread converts a document of a few hundred milliseconds,
    # this one keeps counting: the middle half of the conversion sees it
    # run, which it could not if the conversion held the interpreter's lock.
    data = "".join(f"{n},north,{n * 1.5}\n" for n in range(200000)).encode()
    span = {}

    def convert():
        span["start"] = time.perf_counter()
        qrvex.convert(data, to="text", name="big.csv")
        span["end"] = time.perf_counter()

    worker = threading.Thread(target=convert)
    ticks = []
    worker.start()
    while worker.is_alive():
        ticks.append(time.perf_counter())
    worker.join()
    quarter = (span["end"] - span["start"]) / 4
    assert any(span["start"] + quarter <= tick <= span["end"] - quarter for tick in ticks)
