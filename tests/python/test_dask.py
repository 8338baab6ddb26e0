"""qrvex.dask.convert_many on a LocalCluster of two worker processes: the
outputs are byte for byte those of converting one at a time, however the
documents are shared out, a broken file fails alone with its reason, and
inputs of one stem get distinct names."""

import pathlib
import shutil

import pytest

distributed = pytest.importorskip("distributed", reason="Dask distributed (python3-distributed) is not installed")

import qrvex  # noqa: E402
import qrvex.dask  # noqa: E402

SAMPLES = pathlib.Path(__file__).resolve().parents[2] / "samples"
DOCUMENTS = sorted(p for p in SAMPLES.iterdir() if p.suffix in (".docx", ".xlsx", ".qrvt"))


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as c:
        yield c


@pytest.fixture
def inputs(tmp_path):
    folder = tmp_path / "in"
    folder.mkdir()
    paths = [shutil.copy(p, folder / p.name) for p in DOCUMENTS]
    broken = folder / "broken.docx"
    broken.write_bytes(b"PK\x03\x04 no package")
    return [str(p) for p in paths] + [str(broken)]


def serial_outputs(paths, out_dir, to):
    """Each input converted in turn: (output, status) for each."""
    out_dir.mkdir()
    names = qrvex.dask.output_names(paths, out_dir, qrvex.OUTPUT_FORMATS[to][0])
    outcomes = []
    for path, output in zip(paths, names):
        try:
            qrvex.convert_file(path, output, to=to)
            outcomes.append((output, "converted"))
        except qrvex.Error:
            outcomes.append((output, "failed"))
    return outcomes


# Tasks of one document each, as the few inputs here get, and of three.
@pytest.mark.parametrize("to, per_task", [("html", None), ("markdown", None), ("csv", None), ("html", 3)])
def test_the_cluster_writes_what_one_at_a_time_writes(client, inputs, tmp_path, to, per_task):
    results = qrvex.dask.convert_many(inputs, tmp_path / "cluster", to=to, client=client, per_task=per_task)
    serial = serial_outputs(inputs, tmp_path / "serial", to)
    assert [r.path for r in results] == inputs
    assert [r.status for r in results] == [status for _, status in serial]
    for result, (expected, status) in zip(results, serial):
        if status == "converted":
            assert pathlib.Path(result.output).read_bytes() == pathlib.Path(expected).read_bytes(), result.path
    assert sorted(p.name for p in (tmp_path / "cluster").iterdir()) == sorted(
        p.name for p in (tmp_path / "serial").iterdir())


def test_a_broken_file_fails_alone_with_its_reason(client, inputs, tmp_path):
    results = qrvex.dask.convert_many(inputs, tmp_path / "out", client=client)
    failed = [r for r in results if r.status == "failed"]
    assert [r.path for r in failed] == [inputs[-1]]
    assert "broken.docx" in failed[0].reason
    assert not pathlib.Path(failed[0].output).exists()
    converted = [r for r in results if r.status == "converted"]
    assert len(converted) == len(DOCUMENTS)
    assert all(r.reason == "" and r.seconds > 0 for r in converted)


def test_inputs_of_one_stem_get_distinct_outputs(client, tmp_path):
    for folder in ("a", "b"):
        (tmp_path / folder).mkdir()
        shutil.copy(SAMPLES / "report.qrvt", tmp_path / folder / "report.qrvt")
    paths = [tmp_path / "a" / "report.qrvt", tmp_path / "b" / "report.qrvt"]
    results = qrvex.dask.convert_many(paths, tmp_path / "out", to="text", client=client)
    assert [pathlib.Path(r.output).name for r in results] == ["report.txt", "report-1.txt"]
    assert all(r.status == "converted" for r in results)


def test_an_output_format_not_written_fails_before_any_work(client, inputs, tmp_path):
    with pytest.raises(qrvex.FormatError):
        qrvex.dask.convert_many(inputs, tmp_path / "out", to="pdf", client=client)
    assert not (tmp_path / "out").exists()
