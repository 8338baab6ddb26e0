#!/usr/bin/env python3
"""Reads back the Markdown of qrvex-export with cmark-gfm and compares what
the parser finds (headings, list items, table cells, links) with what the
HTML output of the same document holds.

    check_markdown.py TOOL PATH...

Each PATH is a document or a folder of documents (.qrvt .docx .odt .xlsx
.xlsm .ods); folders that are not there are passed over.  Exits 0 when
every document agrees, 1 when one does not, 77 when cmark-gfm is missing.
"""
import html.parser
import re
import shutil
import subprocess
import sys
import urllib.parse

from document_paths import check_each

EXTENSIONS = (".qrvt", ".docx", ".odt", ".xlsx", ".xlsm", ".ods")
# Pictures are compared as pictures, not by the text of their placeholders
# (class "object"), which Markdown gives as an image's description; charts
# (drawn, or their data tables) are not compared: Markdown lists their data
# after the block they stand in.
SKIPPED_SECTIONS = ("contents", "notes", "comments", "footnotes", "object", "chart", "chart-data")
# A chart's block in the Markdown: its caption in bold and its data table.
CHART_BLOCK = re.compile(rb"(?m)^\*\*Chart: .*\*\*\n\n(?:\|.*\n)*")


def squeeze(text):
    """The text without note references ("[^1]" where the reader knows no
    footnotes), its spaces collapsed."""
    return re.sub(r"\s+", " ", re.sub(r"\[\^\d+\]", "", text)).strip()


class Parts(html.parser.HTMLParser):
    """Headings, list items, cells of top-level tables and external links of
    a page, leaving out its contents, notes and comments."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.headings, self.items, self.cells, self.links = [], [], [], []
        self.skip = 0          # depth inside a left-out section
        self.stack = []        # open elements
        self.collect = []      # [kind, text, marker] being gathered
        self.tables = 0

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        classes = (a.get("class") or "").split()
        if tag in ("br", "img", "col", "meta", "input"):
            self.text(" ")
            return
        self.stack.append((tag, classes))
        if self.skip or any(c in SKIPPED_SECTIONS for c in classes) or (tag == "section" and "data-footnotes" in a):
            self.skip += 1
            return
        if tag == "table":
            self.tables += 1
        elif re.fullmatch(r"h[1-6]", tag) or (tag == "caption" and self.tables == 1):
            self.collect.append(["heading", "", "", ""])
        elif tag == "li" and not self.tables:
            self.collect.append(["item", "", "", ""])
        elif tag in ("td", "th") and self.tables == 1:
            self.collect.append(["cell", "", "", ""])
        elif tag == "a" and re.match(r"#(note-|fn)", a.get("href") or ""):
            self.skip += 1  # a note's reference
        elif tag == "a" and a.get("href") and not a["href"].startswith("#"):
            self.links.append(urllib.parse.unquote(a["href"]))
        elif tag == "p":
            self.text(" ")

    def handle_endtag(self, tag):
        if not self.stack or tag in ("br", "img", "col"):
            return
        open_tag, _ = self.stack.pop()
        if self.skip:
            self.skip -= 1
            return
        if open_tag == "table":
            self.tables -= 1
        ends = {"li": "item", "td": "cell", "th": "cell", "caption": "heading"}
        kind = "heading" if re.fullmatch(r"h[1-6]", open_tag) else ends.get(open_tag)
        if kind and self.collect and self.collect[-1][0] == kind and (kind != "cell" or self.tables == 1):
            _, text, marker, everything = self.collect.pop()
            # The Markdown heading of a hidden sheet says so.
            if open_tag == "caption" and self.stack and "hidden" in self.stack[-1][1]:
                text, everything = text + " (hidden)", everything + " (hidden)"
            {"heading": self.headings, "item": self.items, "cell": self.cells}[kind].append(
                (squeeze(text), squeeze(marker), squeeze(everything)))

    def text(self, data):
        if self.skip or not self.collect:
            return
        in_marker = any("marker" in c for _, c in self.stack)
        for collector in self.collect:
            collector[3] += data
        # A list item's text is its own, not its sub-lists'.
        target = self.collect[-1]
        if target[0] == "item" and [t for t, _ in self.stack].count("li") > 1 and \
                self.stack[-1][0] in ("ul", "ol"):
            return
        if in_marker:
            target[2] += data
        else:
            target[1] += data

    def handle_data(self, data):
        self.text(data)


def parts(page):
    p = Parts()
    p.feed(page)
    return p


def run(command, data=None):
    return subprocess.run(command, input=data, capture_output=True, check=False)


def item_agrees(md, html_item):
    text, marker, _ = html_item
    return md[0] in (text, squeeze(marker + " " + text))


def compare(tool, path):
    html_run = run([tool, path, "--quiet", "-o", "-", "--format", "html"])
    md_run = run([tool, path, "--quiet", "-o", "-", "--format", "markdown"])
    if html_run.returncode or md_run.returncode:
        return [f"export failed ({html_run.returncode}, {md_run.returncode})"] \
            if html_run.returncode != md_run.returncode else []
    # Readers without footnotes would take a note for a link's definition.
    markdown = CHART_BLOCK.sub(b"", re.sub(rb"(?m)^\[\^\d+\]: .*$", b"", md_run.stdout))
    read = run(["cmark-gfm", "-e", "table", "-e", "strikethrough", "--unsafe"], markdown)
    ours, theirs = parts(html_run.stdout.decode("utf-8", "replace")), parts(read.stdout.decode("utf-8", "replace"))
    problems = []
    md_headings, html_headings = [h[2] for h in theirs.headings], [h[2] for h in ours.headings]
    if md_headings != html_headings:
        problems.append(f"headings {md_headings[:5]} vs {html_headings[:5]}")
    if len(theirs.items) != len(ours.items) or not all(map(item_agrees, theirs.items, ours.items)):
        bad = [(m, h) for m, h in zip(theirs.items, ours.items) if not item_agrees(m, h)][:3]
        problems.append(f"list items: {len(theirs.items)} vs {len(ours.items)} {bad}")
    md_cells = [c[2] for c in theirs.cells if c[2]]
    html_cells = [c[2] for c in ours.cells if c[2]]
    if md_cells != html_cells:
        bad = [(m, h) for m, h in zip(md_cells, html_cells) if m != h][:3]
        problems.append(f"cells: {len(md_cells)} vs {len(html_cells)} {bad}")
    if theirs.links != ours.links:
        problems.append(f"links: {theirs.links[:3]} vs {ours.links[:3]}")
    return problems


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    if not shutil.which("cmark-gfm"):
        print("cmark-gfm is not installed: nothing to read the Markdown back with")
        return 77
    return check_each(sys.argv[2:], EXTENSIONS, lambda doc: compare(sys.argv[1], doc), "documents agree", most=None)


if __name__ == "__main__":
    sys.exit(main())
