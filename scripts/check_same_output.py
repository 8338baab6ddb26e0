#!/usr/bin/env python3
"""Checks that a document kept in scratch files exports exactly as one kept
in memory: every document given is exported to HTML and to JSON twice, once
as usual and once with QRVEX_SCRATCH_FROM=1 (every growing block in a
scratch file, its pages handed back after each page of use), and the
outputs must be the same bytes.

    check_scratch.py TOOL PATH...

Each PATH is a document or a folder of documents; folders that are not
there are passed over.  A document the tool refuses must be refused the
same way both times.  Exits 0 when every document agrees, 1 otherwise.
"""
import os
import subprocess
import sys

from document_paths import check_each

EXTENSIONS = (".qrvt", ".docx", ".odt", ".xlsx", ".xlsm", ".ods", ".xls", ".xlsb", ".doc", ".rtf",
              ".pptx", ".odp", ".csv")
SMALL_SCRATCH = "1"


def export(tool, doc, output_format, scratch):
    env = dict(os.environ)
    env.pop("QRVEX_SCRATCH_FROM", None)
    if scratch:
        env["QRVEX_SCRATCH_FROM"] = SMALL_SCRATCH
    done = subprocess.run([tool, doc, "--quiet", "--images", "embed", "-o", "-", "--format", output_format],
                          capture_output=True, env=env, timeout=300, check=False)
    return done.returncode, done.stdout


def differences(tool, doc):
    problems = []
    for output_format in ("html", "json"):
        usual, scratch = export(tool, doc, output_format, False), export(tool, doc, output_format, True)
        if usual[0] != scratch[0]:
            problems.append(f"{output_format}: exit status {usual[0]} in memory, {scratch[0]} in scratch files")
        elif usual[1] != scratch[1]:
            at = next((i for i, (a, b) in enumerate(zip(usual[1], scratch[1])) if a != b),
                      min(len(usual[1]), len(scratch[1])))
            problems.append(f"{output_format}: the outputs differ from byte {at}")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    return check_each(sys.argv[2:], EXTENSIONS, lambda doc: differences(sys.argv[1], doc),
                      "documents export the same from scratch files")


if __name__ == "__main__":
    sys.exit(main())
