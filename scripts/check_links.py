#!/usr/bin/env python3
"""Every link of the Markdown files given resolves inside the repository:
a [text](target) link names a file or folder of the tree (and a #part, a
heading of it), never an address outside; and a path in backquotes that
starts at one of the tree's source folders (`docs/python.md`) exists.
Links and paths inside fenced code are examples, not links.

Usage: python3 check_links.py ROOT FILE.md...
"""

import pathlib
import re
import sys

LINK = re.compile(r"\[[^\]]*\]\(([^)\s]+)\)")
QUOTED = re.compile(r"`([^`\s]+)`")
# The folders of the tree a quoted path may start from; others (include/,
# lib/, share/, bin/) are where an install puts things.
SOURCE_FOLDERS = {"bench", "bindings", "cmake", "convert", "docs", "examples", "filters", "fuzz", "model",
                  "platform", "readers", "samples", "scripts", "src", "tests", "toolkit", "tools"}


def prose_lines(text):
    """The lines outside fenced code, with their numbers."""
    fenced = False
    for number, line in enumerate(text.splitlines(), 1):
        if line.lstrip().startswith("```"):
            fenced = not fenced
        elif not fenced:
            yield number, line


def slug(heading):
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def anchors_of(path):
    return {slug(line.lstrip("#")) for _, line in prose_lines(path.read_text(encoding="utf-8"))
            if line.startswith("#")}


def link_fault(root, markdown, target):
    if re.match(r"[a-z][a-z0-9+.-]*:", target):
        return "points outside the repository"
    file_part, _, anchor = target.partition("#")
    resolved = (markdown.parent / file_part).resolve() if file_part else markdown
    if root not in resolved.parents and resolved != root:
        return "points outside the repository"
    if not resolved.exists():
        return "names no file of the tree"
    if anchor and resolved.suffix == ".md" and anchor not in anchors_of(resolved):
        return f"names no heading #{anchor}"
    return None


def quoted_fault(root, path):
    first = path.split("/", 1)[0]
    if "/" not in path or first not in SOURCE_FOLDERS or any(c in path for c in "*{}<>$"):
        return None
    return None if (root / path.split(":", 1)[0]).exists() else "names no file of the tree"


def faults_in(root, markdown):
    for number, line in prose_lines(markdown.read_text(encoding="utf-8")):
        code_free = re.sub(r"`[^`]*`", "", line)
        for target in LINK.findall(code_free):
            if (fault := link_fault(root, markdown, target)) is not None:
                yield f"{markdown.relative_to(root)}:{number}: link {target} {fault}"
        for path in QUOTED.findall(line):
            if (fault := quoted_fault(root, path)) is not None:
                yield f"{markdown.relative_to(root)}:{number}: `{path}` {fault}"


def main(root, *files):
    root = pathlib.Path(root).resolve()
    faults = [fault for name in files for fault in faults_in(root, (root / name).resolve())]
    for fault in faults:
        print(fault)
    print(f"{len(files)} files, {len(faults)} broken links")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
