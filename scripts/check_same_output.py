#!/usr/bin/env python3
"""Checks that a document exports exactly the same whichever way the tool
holds or reads it: every document given is exported to HTML and to JSON
twice, once as usual and once with the environment's VARIABLE=VALUE (say
QRVEX_SCRATCH_FROM=1, every growing block in a scratch file with its pages
handed back after each page of use, or QRVEX_READ_AHEAD_FROM=1, every part
that a reader may parse ahead parsed on a thread of its own), and the
outputs must be the same bytes.

    check_same_output.py TOOL VARIABLE=VALUE PATH...

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


def export(tool, doc, output_format, setting):
    env = dict(os.environ)
    env.pop(setting[0], None)
    if setting[1] is not None:
        env[setting[0]] = setting[1]
    done = subprocess.run([tool, doc, "--quiet", "--images", "embed", "-o", "-", "--format", output_format],
                          capture_output=True, env=env, timeout=300, check=False)
    return done.returncode, done.stdout


def differences(tool, setting, doc):
    problems = []
    shown = "=".join(setting)
    for output_format in ("html", "json"):
        usual = export(tool, doc, output_format, (setting[0], None))
        other = export(tool, doc, output_format, setting)
        if usual[0] != other[0]:
            problems.append(f"{output_format}: exit status {usual[0]} as usual, {other[0]} with {shown}")
        elif usual[1] != other[1]:
            at = next((i for i, (a, b) in enumerate(zip(usual[1], other[1])) if a != b),
                      min(len(usual[1]), len(other[1])))
            problems.append(f"{output_format}: the outputs differ from byte {at} with {shown}")
    return problems


def main():
    if len(sys.argv) < 4 or "=" not in sys.argv[2]:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    setting = tuple(sys.argv[2].split("=", 1))
    return check_each(sys.argv[3:], EXTENSIONS, lambda doc: differences(sys.argv[1], setting, doc),
                      f"documents export the same with {sys.argv[2]}")


if __name__ == "__main__":
    sys.exit(main())
