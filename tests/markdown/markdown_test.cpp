// The Markdown writer on small documents: each case is the body of a text
// document (after a prologue of styles and lists) and the Markdown the tool
// writes for it.
#include <gtest/gtest.h>

#include <string>

#include "golden/output_cases.hpp"

namespace {

using qrv::testing::OutputCase;

TEST(Markdown, HeadingsAndParagraphs) {
    const OutputCase cases[] = {
        {"title and headings by level",
         "STYLE 0 1\ntext \"Report\"\nbreak PARAGRAPH\nSTYLE 0 2\ntext \"One\"\nbreak PARAGRAPH\n"
         "STYLE 0 4\ntext \"Three\"\nbreak PARAGRAPH\nSTYLE 0 5\ntext \"Body.\"\nbreak PARAGRAPH\n",
         "# Report\n\n# One\n\n### Three\n\nBody.\n"},
        {"empty paragraphs leave nothing",
         "STYLE 0 5\ntext \"a\"\nbreak PARAGRAPH\nSTYLE 0 5\nbreak PARAGRAPH\nSTYLE 0 5\ntext \"  \"\nbreak PARAGRAPH\n"
         "STYLE 0 5\ntext \"b\"\nbreak PARAGRAPH\n",
         "a\n\nb\n"},
        {"a line break inside a paragraph",
         "STYLE 0 5\ntext \"one\"\nbreak LINE\ntext \"# two\"\nbreak LINE\nbreak PARAGRAPH\n", "one\\\n\\# two\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

TEST(Markdown, EmphasisStaysNextToItsText) {
    const OutputCase cases[] = {
        {"bold, italic, strike",
         "STYLE 0 5\ntext \"a \"\nCHAR_ATTR 2 1\ntext \"bold\"\nCHAR_ATTR 2 0\ntext \" \"\nCHAR_ATTR 3 1\n"
         "text \"italic\"\nCHAR_ATTR 3 0\ntext \" \"\nCHAR_ATTR 5 1\ntext \"gone\"\nCHAR_ATTR 5 0\ntext \".\"\n"
         "break PARAGRAPH\n",
         "a **bold** *italic* ~~gone~~.\n"},
        {"spaces at a run's ends stay outside the markers",
         "STYLE 0 5\ntext \"a\"\nCHAR_ATTR 2 1\ntext \" bold \"\nCHAR_ATTR 2 0\ntext \"b\"\nbreak PARAGRAPH\n",
         "a **bold** b\n"},
        {"italic inside bold",
         "STYLE 0 5\nCHAR_ATTR 2 1\ntext \"all \"\nCHAR_ATTR 3 1\ntext \"both\"\nCHAR_ATTR 3 0\ntext \" bold\"\n"
         "CHAR_ATTR 2 0\nbreak PARAGRAPH\n",
         "**all *both* bold**\n"},
        {"underline has no marker", "STYLE 0 5\nCHAR_ATTR 4 1\ntext \"under\"\nCHAR_ATTR 4 0\nbreak PARAGRAPH\n",
         "under\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

TEST(Markdown, SyntaxCharactersAreEscapedAndNothingElse) {
    const OutputCase cases[] = {
        {"inline syntax", "STYLE 0 5\ntext \"*a* [b] `c` ~d~ \\\\e <f> &amp; x_y _z_\"\nbreak PARAGRAPH\n",
         "\\*a\\* \\[b\\] \\`c\\` \\~d\\~ \\\\e \\<f> \\&amp; x_y \\_z\\_\n"},
        {"what only a line's start makes syntax",
         "STYLE 0 5\ntext \"# a\"\nbreak PARAGRAPH\nSTYLE 0 5\ntext \"- b\"\nbreak PARAGRAPH\n"
         "STYLE 0 5\ntext \"12. c\"\nbreak PARAGRAPH\nSTYLE 0 5\ntext \"> d\"\nbreak PARAGRAPH\n"
         "STYLE 0 5\ntext \"+ e\"\nbreak PARAGRAPH\n",
         "\\# a\n\n\\- b\n\n12\\. c\n\n\\> d\n\n\\+ e\n"},
        {"left alone", "STYLE 0 5\ntext \"a - b # c 1. d > e + f = g | h & i ! j . (k) {l}\"\nbreak PARAGRAPH\n",
         "a - b # c 1. d > e + f = g | h & i ! j . (k) {l}\n"},
        {"a heading's text", "STYLE 0 2\ntext \"- *x*\"\nbreak PARAGRAPH\n", "# - \\*x\\*\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

TEST(Markdown, LinksImagesAndNotes) {
    const OutputCase cases[] = {
        {"a link",
         "STYLE 0 5\ntext \"see \"\nbegin 0x00440000\n@t: string \"https://example.com/a\" attribute=0x14b00000\n"
         "OBJECT_LOCATOR_PART 2 @t\nOBJECT_LOCATOR_END\ntext \"the site\"\nend\ntext \".\"\nbreak PARAGRAPH\n",
         "see [the site](https://example.com/a).\n"},
        {"a target with spaces",
         "STYLE 0 5\nbegin 0x00440000\n@t: string \"a b (c).html\" attribute=0x14b00000\n"
         "OBJECT_LOCATOR_PART 2 @t\nOBJECT_LOCATOR_END\ntext \"doc\"\nend\nbreak PARAGRAPH\n",
         "[doc](<a b (c).html>)\n"},
        {"a picture", "STYLE 0 5\nbegin 0x20450000 1\ntext \"A [red] dot\"\nend\nbreak PARAGRAPH\n",
         "![A \\[red\\] dot]()\n"},
        {"footnotes at the end",
         "STYLE 0 5\ntext \"Sales\"\nbegin 0x20400000\ntext \"Unaudited.\"\nend\ntext \" grew\"\n"
         "begin 0x20400000\ntext \"* By far.\"\nend\ntext \".\"\nbreak PARAGRAPH\n",
         "Sales[^1] grew[^2].\n\n[^1]: Unaudited.\n\n[^2]: \\* By far.\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

TEST(Markdown, ListItemsNestWithTheirNumbers) {
    const OutputCase cases[] = {
        {"numbered, two levels",
         "STYLE 0 10\nLIST_ITEM 10 0 1\ntext \"One\"\nbreak PARAGRAPH\nSTYLE 0 10\nLIST_ITEM 10 1 1\ntext \"Sub\"\n"
         "break PARAGRAPH\nSTYLE 0 10\nLIST_ITEM 10 1 1\ntext \"Sub two\"\nbreak PARAGRAPH\nSTYLE 0 10\n"
         "LIST_ITEM 10 0 1\ntext \"Two\"\nbreak PARAGRAPH\n",
         "1. One\n   - i. Sub\n   - ii. Sub two\n2. Two\n"},
        {"bullets under a number",
         "STYLE 0 10\nLIST_ITEM 10 0 1\ntext \"One\"\nbreak PARAGRAPH\nSTYLE 0 11\nLIST_LEVEL 2\ntext \"dot\"\n"
         "break PARAGRAPH\n",
         "1. One\n   - dot\n"},
        {"a paragraph ends the list",
         "STYLE 0 11\nLIST_LEVEL 1\ntext \"a\"\nbreak PARAGRAPH\nSTYLE 0 5\ntext \"b\"\nbreak PARAGRAPH\n"
         "STYLE 0 11\nLIST_LEVEL 1\ntext \"- c\"\nbreak PARAGRAPH\n",
         "- a\n\nb\n\n- \\- c\n"},
        {"a level skipped nests in an empty item", "STYLE 0 11\nLIST_LEVEL 2\ntext \"deep\"\nbreak PARAGRAPH\n",
         "-\n  - deep\n"},
        {"an item's line break keeps its indent",
         "STYLE 0 10\nLIST_ITEM 10 0 1\ntext \"a\"\nbreak LINE\ntext \"b\"\nbreak PARAGRAPH\n", "1. a\\\n   b\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

TEST(Markdown, TablesArePipeTables) {
    const OutputCase cases[] = {
        {"header row and a row",
         "table-begin\ntext \"A\"\nbreak CELL\ntext \"B\"\nbreak CELL\nbreak ROW\ntext \"1\"\nbreak CELL\n"
         "text \"x | y\"\nbreak CELL\nbreak ROW\ntable-end\n",
         "| A | B |\n| --- | --- |\n| 1 | x \\| y |\n"},
        {"paragraphs of a cell joined by <br>",
         "table-begin\ntext \"A\"\nbreak PARAGRAPH\ntext \"B\"\nbreak LINE\ntext \"C\"\nbreak CELL\nbreak "
         "ROW\ntable-end\n",
         "| A<br>B<br>C |\n| --- |\n"},
        {"a spanned cell leaves its other cells empty",
         "@span: cell width=4000 columns=2 rows=1\ntable-begin\ntext \"A\"\nbreak CELL\ntext \"B\"\nbreak CELL\n"
         "break ROW\nTABLE_CELL @span\ntext \"both\"\nbreak CELL\nbreak ROW\ntext \"c\"\nbreak CELL\ntext \"d\"\n"
         "break CELL\nbreak ROW\ntable-end\n",
         "| A | B |\n| --- | --- |\n| both |  |\n| c | d |\n"},
        {"a row span covers the cells below",
         "@tall: cell width=2000 columns=1 rows=2\ntable-begin\nTABLE_CELL @tall\ntext \"tall\"\nbreak CELL\n"
         "text \"b\"\nbreak CELL\nbreak ROW\ntext \"d\"\nbreak CELL\nbreak ROW\ntable-end\n",
         "| tall | b |\n| --- | --- |\n|  | d |\n"},
        {"a table inside a cell is its text",
         "table-begin\ntext \"out\"\nbreak CELL\ntable-begin\ntext \"Q1\"\nbreak CELL\ntext \"Q2\"\nbreak CELL\n"
         "break ROW\ntext \"10\"\nbreak CELL\ntext \"12\"\nbreak CELL\nbreak ROW\ntable-end\nbreak CELL\nbreak ROW\n"
         "table-end\n",
         "| out | Q1 Q2 10 12 |\n| --- | --- |\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

// A sheet: its name as a heading, its texts as one pipe table whose number
// columns are aligned right, without the empty rows and columns at its end.
TEST(Markdown, SheetsArePipeTablesUnderTheirNames) {
    const OutputCase cases[] = {
        {"a sheet",
         "section kind=2\nstring \"Q1 *sales*\" attribute=0x53480001\nCOLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\n"
         "COLUMN_ENTRY 12 0 2\nCOLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\nMERGE_LIST_BEGIN\nMERGE_POINT 1 0\n"
         "MERGE_POINT 1 1\nMERGE_LIST_END\nbreak PARAGRAPH\ncell-run\nSS_CELL_70 0 0\ntext \"Item\"\n"
         "SS_CELL_70 0 0\ntext \"Amount\"\nEMPTY_CELLS 0x10000\nSS_CELL_70 0 0\ntext \"Merged | x\"\n"
         "EMPTY_CELLS 0x20000\nSS_CELL_70 0 0\ntext \"Pens\"\nSS_CELL_70 0 0\nvalue DOUBLE 3.5\n"
         "EMPTY_CELLS 0x40000\n",
         "## Q1 \\*sales\\*\n\n| Item | Amount |\n| --- | ---: |\n| Merged \\| x |  |\n| Pens | 3.5 |\n"},
    };
    qrv::testing::expect_outputs(cases, "markdown");
}

}  // namespace
