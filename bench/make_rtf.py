"""Writes a generated RTF document of about 500 pages, the same shape as the
generated Word document of bench/docx_document.hpp: 307 chapters with
headings on three levels (styles with outline levels), paragraphs of mixed
runs (bold, italic, coloured, a character style) with footnotes, numbered
and bulleted lists on two levels, and tables with merged cells.

Usage: python3 bench/make_rtf.py OUT.rtf
"""

import sys

CHAPTERS = 307
WORDS = ("the quarterly figures show a steady rise in revenue across every region while costs remained flat "
         "and the new offices opened on time with staff from both teams working together").split()

HEADER = (r"{\rtf1\ansi\ansicpg1252\deff0"
          r"{\fonttbl{\f0\fswiss\fcharset0 Calibri;}}"
          r"{\colortbl;\red192\green0\blue0;\red47\green84\blue150;}"
          r"{\stylesheet{\s0 Normal;}"
          r"{\s1\outlinelevel0\sbasedon0\keepn\b\fs32\cf2 heading 1;}"
          r"{\s2\outlinelevel1\sbasedon1\fs26 heading 2;}"
          r"{\s3\outlinelevel2\sbasedon2\fs24 heading 3;}"
          r"{\s4\sbasedon0\li720 List Paragraph;}"
          r"{\*\cs10\b Strong;}}"
          r"{\*\listtable"
          r"{\list\listtemplateid1{\listlevel\levelnfc0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\li720}"
          r"{\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'01);}{\levelnumbers\'01;}\li1440}\listid1}"
          r"{\list\listtemplateid2{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;}{\levelnumbers;}\li720}"
          r"{\listlevel\levelnfc23{\leveltext\'01o;}{\levelnumbers;}\li1440}\listid2}}"
          r"{\*\listoverridetable{\listoverride\listid1\ls1}{\listoverride\listid2\ls2}}"
          r"{\info{\title A generated book}{\author qrvex bench}}"
          "\n")


def words(seed, count):
    return " ".join(WORDS[(seed * 7 + i * 13) % len(WORDS)] for i in range(count))


def paragraph(style, text):
    return rf"{{\pard\s{style} {text}\par}}" + "\n"


def body_paragraph(seed):
    text = (words(seed, 14) + r" {\b " + words(seed + 1, 6) + "} " + words(seed + 2, 16) +
            r" {\i\cf1 " + words(seed + 3, 5) + r"} {\cs10\b " + words(seed + 4, 12) + "}. " + words(seed + 5, 8) + ".")
    if seed % 5 == 0:
        text += r"{\super\chftn}{\footnote\pard\plain{\super\chftn} " + words(seed + 6, 10) + r".\par}"
    return paragraph(0, text)


def list_item(override, level, text):
    return rf"{{\pard\s4\ls{override}\ilvl{level} {text}\par}}" + "\n"


def cell(text):
    return rf"\pard\intbl {text}\cell "


def table(seed):
    def row(cells, merges):
        edges = "".join(f"{merge}\\cellx{2000 * (c + 1)}" for c, merge in enumerate(merges))
        return r"\trowd\trgaph108" + edges + "\n" + "".join(cell(t) for t in cells) + r"\row" + "\n"

    out = row(["Region", "Quarter", "Revenue", ""], ["", "", r"\clmgf", r"\clmrg"])
    for r in range(6):
        first = words(seed + r, 2) if r % 2 == 0 else ""
        merge = r"\clvmgf" if r % 2 == 0 else r"\clvmrg"
        out += row([first, f"Q{r % 4 + 1}", str(seed * 37 % 1000 + r), words(seed + r, 3)], [merge, "", "", ""])
    return out + r"\pard\par" + "\n"


def chapter(c):
    out = paragraph(1, f"Chapter {c + 1}: {words(c, 4)}")
    for s in range(2):
        out += paragraph(2, words(c + s, 5))
        out += "".join(body_paragraph(c * 11 + s * 3 + p) for p in range(3))
        if s == 0:
            out += "".join(list_item(1, i % 2, words(c + i, 9)) for i in range(4))
        else:
            out += "".join(list_item(2, 1 if i == 1 else 0, words(c + i, 7)) for i in range(3))
        out += paragraph(3, words(c + 9, 4))
        out += body_paragraph(c * 11 + s * 3 + 9)
    if c % 2 == 0:
        out += table(c)
    return out


def main(path):
    with open(path, "w", encoding="ascii") as out:
        out.write(HEADER)
        for c in range(CHAPTERS):
            out.write(chapter(c))
        out.write("}\n")


if __name__ == "__main__":
    main(sys.argv[1])
