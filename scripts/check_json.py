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

from document_paths import check_each

EXTENSIONS = (".qrvt", ".docx", ".odt", ".xlsx", ".xlsm", ".ods")
SCHEMA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "docs", "qrvex-document.schema.json")


def schema_errors(tool, doc, validator):
    """What the schema finds wrong in the document's JSON, or None for a
    document that cannot be read (it gives no JSON at all)."""
    done = subprocess.run([tool, doc, "--quiet", "-o", "-", "--format", "json"], capture_output=True, check=False)
    if done.returncode:
        return None
    try:
        return [f"{'/'.join(map(str, e.absolute_path))}: {e.message[:200]}"
                for e in validator.iter_errors(json.loads(done.stdout))]
    except ValueError as e:
        return [f"not JSON: {e}"]


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
    return check_each(sys.argv[2:], EXTENSIONS, lambda doc: schema_errors(sys.argv[1], doc, validator),
                      "documents valid")


if __name__ == "__main__":
    sys.exit(main())
