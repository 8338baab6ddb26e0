#!/usr/bin/env python3
"""Documents per second through the Python package: one by one, on two
threads and on a Dask LocalCluster of two worker processes, beside
qrvex-export --jobs 2 on the same files.

The documents are copies of the samples (DOCX, XLSX and text-format
documents in turn), each converted to HTML in a folder of its own.  Each way
runs --repeat times and the best run counts; the cluster is started before
its clock does.  Not a test: it prints a table.

Usage: PYTHONPATH=build/release/python python3 bench/python_throughput.py \
           --export build/release/bin/qrvex-export [--documents 200] [--repeat 3]
"""

import argparse
import logging
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

import qrvex

SAMPLES = pathlib.Path(__file__).resolve().parents[1] / "samples"


def make_documents(folder, count):
    samples = sorted(p for p in SAMPLES.iterdir() if p.suffix in (".docx", ".xlsx", ".qrvt"))
    paths = []
    for n in range(count):
        source = samples[n % len(samples)]
        path = folder / f"{source.stem}-{n:04d}{source.suffix}"
        shutil.copyfile(source, path)
        paths.append(str(path))
    return paths


def outputs_in(folder, paths):
    folder.mkdir(parents=True, exist_ok=True)
    return [str(folder / (pathlib.Path(p).stem + ".html")) for p in paths]


def one_by_one(paths, out):
    for path, output in zip(paths, outputs_in(out, paths)):
        qrvex.convert_file(path, output)


def two_threads(paths, out):
    with ThreadPoolExecutor(max_workers=2) as pool:
        list(pool.map(qrvex.convert_file, paths, outputs_in(out, paths)))


def on_cluster(client, per_task=None):
    import qrvex.dask

    def run(paths, out):
        results = qrvex.dask.convert_many(paths, out, to="html", client=client, per_task=per_task)
        failed = [r for r in results if r.status != "converted"]
        if failed:
            raise RuntimeError(failed[0].reason)
    return run


def with_export(export):
    def run(paths, out):
        subprocess.run([export, "--quiet", "--jobs", "2", "--output-dir", str(out), *paths], check=True)
    return run


def best_rate(run, paths, scratch, repeat):
    best = float("inf")
    for n in range(repeat):
        out = scratch / f"out-{n}"
        start = time.perf_counter()
        run(paths, out)
        best = min(best, time.perf_counter() - start)
        shutil.rmtree(out)
    return len(paths) / best


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--export", required=True, help="the qrvex-export program")
    parser.add_argument("--documents", type=int, default=200)
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="qrvex-bench-") as temporary:
        scratch = pathlib.Path(temporary)
        (scratch / "in").mkdir()
        paths = make_documents(scratch / "in", args.documents)
        # (name, run, how many convert at once)
        ways = [("Python, one by one", one_by_one, 1), ("Python, 2 threads", two_threads, 2)]
        client = None
        try:
            import distributed
            client = distributed.Client(distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                                                 dashboard_address=None,
                                                                 silence_logs=logging.ERROR))
            ways.append(("Dask LocalCluster, 2 worker processes", on_cluster(client), 2))
            ways.append(("Dask LocalCluster, 2 worker processes, one document a task", on_cluster(client, 1), 2))
        except ImportError:
            print("(Dask distributed is not installed: no cluster run)", file=sys.stderr)
        ways.append(("qrvex-export --jobs 2", with_export(os.path.abspath(args.export)), 2))
        print(f"{args.documents} documents to HTML, best of {args.repeat}, {os.cpu_count()} CPUs\n")
        print("| Way | Documents/s | per thread or worker |\n|---|---|---|")
        try:
            for name, run, at_once in ways:
                rate = best_rate(run, paths, scratch, args.repeat)
                print(f"| {name} | {rate:.0f} | {rate / at_once:.0f} |", flush=True)
        finally:
            if client is not None:
                cluster = client.cluster
                client.close()
                cluster.close()


if __name__ == "__main__":
    main()
