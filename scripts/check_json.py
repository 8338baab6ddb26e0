#!/usr/bin/env python3
"""Checks the JSON of qrvex-export against its schema
(docs/qrvex-document.schema.json) for every document given.

    check_json.py TOOL PATH...

Each PATH is a document or a folder of documents (.qrvt .docx .odt .xlsx
.xlsm .ods); folders that are not there are passed over.  Exits 0 when
every document's JSON is valid, 1 when one is not, 77 when the jsonschema
module is missing.
"""
import json
import os
import subprocess
import sys

from document_paths import documents

EXTENSIONS = (".qrvt", ".docx", ".odt", ".xlsx", ".xlsm", ".ods")
SCHEMA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docs", "qrvex-document.schema.json")


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        import jsonschema
    except ImportError:
        print("the jsonschema module is not installed: nothing to check the JSON with")
        return 77
    with open(SCHEMA, encoding="utf-8") as f:
        validator = jsonschema.Draft202012Validator(json.load(f))
    checked = failed = 0
    for doc in documents(sys.argv[2:], EXTENSIONS):
        done = subprocess.run([sys.argv[1], doc, "--quiet", "-o", "-", "--format", "json"],
                              capture_output=True, check=False)
        if done.returncode:
            continue  # a document that cannot be read gives no JSON at all
        checked += 1
        try:
            errors = [f"{'/'.join(map(str, e.absolute_path))}: {e.message[:200]}"
                      for e in validator.iter_errors(json.loads(done.stdout))]
        except ValueError as e:
            errors = [f"not JSON: {e}"]
        if errors:
            failed += 1
            print(f"{doc}:\n  " + "\n  ".join(errors[:3]))
    print(f"{checked - failed} of {checked} documents valid")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
