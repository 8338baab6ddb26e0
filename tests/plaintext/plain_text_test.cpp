// The plain-text writer on small documents: what a reader of the text
// would otherwise lose (link targets, notes, pictures, the columns of a
// table with merged cells) stands in the text.
#include <gtest/gtest.h>

#include <string>

#include "golden/output_cases.hpp"

namespace {

using qrv::testing::OutputCase;

// A paragraph holding one link around `text` to `target`.
std::string link_paragraph(const std::string &text, const std::string &target) {
    return "STYLE 0 5\ntext \"see \"\nbegin 0x00440000\n@t: string \"" + target +
           "\" attribute=0x14b00000\nOBJECT_LOCATOR_PART 2 @t\nOBJECT_LOCATOR_END\ntext \"" + text +
           "\"\nend\ntext \".\"\nbreak PARAGRAPH\n";
}

TEST(PlainText, LinkTargetsFollowTheirText) {
    const struct {
        const char *text, *target, *line;
    } cases[] = {
        {"the site", "https://example.com/a", "see the site <https://example.com/a>.\n"},
        {"example.com", "http://example.com/", "see example.com.\n"},
        {"https://example.com/a", "https://example.com/a", "see https://example.com/a.\n"},
        {"ann@example.com", "mailto:ann@example.com", "see ann@example.com.\n"},
        {"Contact", "mailto:ann@example.com", "see Contact <mailto:ann@example.com>.\n"},
        {"below", "#results", "see below.\n"},
        {"odd", "javascript:alert(1)", "see odd.\n"},  // not a link on any page
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(qrv::testing::output_of(link_paragraph(c.text, c.target), "text"), c.line);
    }
}

TEST(PlainText, NotesFollowTheText) {
    const OutputCase cases[] = {
        {"footnotes numbered after the text",
         "STYLE 0 5\ntext \"Sales\"\nbegin 0x20400000\ntext \"Unaudited.\"\nend\ntext \" grew\"\n"
         "begin 0x20400000 2\ntext \"By far.\"\nend\ntext \".\"\nbreak PARAGRAPH\n",
         "Sales[1] grew[2].\n\n[1] Unaudited.\n[2] By far.\n"},
        {"a comment is not a note",
         "STYLE 0 5\ntext \"Plan\"\nbegin 0x20460000\nstring \"Ann\"\ntext \"Check this.\"\nend\nbreak PARAGRAPH\n",
         "Plan\n"},
        {"a picture by its description",
         "STYLE 0 5\ntext \"Logo: \"\nbegin 0x20450000 1\ntext \"A red dot\"\nend\nbreak PARAGRAPH\n",
         "Logo: [image: A red dot]\n"},
    };
    qrv::testing::expect_outputs(cases, "text");
}

TEST(PlainText, TablesKeepTheirColumns) {
    const OutputCase cases[] = {
        {"columns as wide as their widest cell",
         "table-begin\ntext \"Name\"\nbreak CELL\ntext \"Game\"\nbreak CELL\nbreak ROW\ntext \"Lebron James\"\n"
         "break CELL\ntext \"Basketball\"\nbreak CELL\nbreak ROW\ntable-end\n",
         "Name          Game\nLebron James  Basketball\n"},
        {"a cell spanning columns leaves the next one empty",
         "@span: cell width=4000 columns=2 rows=1\ntable-begin\ntext \"A\"\nbreak CELL\ntext \"B\"\nbreak CELL\n"
         "text \"C\"\nbreak CELL\nbreak ROW\nTABLE_CELL @span\ntext \"both\"\nbreak CELL\ntext \"c\"\nbreak CELL\n"
         "break ROW\ntable-end\n",
         "A  B  C\nboth  c\n"},
        {"a cell spanning rows keeps the later cells below in their columns",
         "@tall: cell width=2000 columns=1 rows=2\ntable-begin\nTABLE_CELL @tall\ntext \"tall\"\nbreak CELL\n"
         "text \"b\"\nbreak CELL\ntext \"c\"\nbreak CELL\nbreak ROW\ntext \"e\"\nbreak CELL\ntext \"f\"\nbreak CELL\n"
         "break ROW\ntable-end\n",
         "tall  b  c\n      e  f\n"},
        {"a table inside a cell is its words",
         "table-begin\ntext \"out\"\nbreak CELL\ntable-begin\ntext \"Q1\"\nbreak CELL\ntext \"Q2\"\nbreak CELL\n"
         "break ROW\ntext \"10\"\nbreak CELL\nbreak ROW\ntable-end\nbreak CELL\ntext \"z\"\nbreak CELL\nbreak ROW\n"
         "table-end\n",
         "out  Q1 Q2 10  z\n"},
        {"a table between paragraphs",
         "STYLE 0 5\ntext \"Before\"\nbreak PARAGRAPH\ntable-begin\ntext \"x\"\nbreak CELL\nbreak ROW\ntable-end\n"
         "STYLE 0 5\ntext \"After\"\nbreak PARAGRAPH\n",
         "Before\n\nx\n\nAfter\n"},
    };
    qrv::testing::expect_outputs(cases, "text");
}

}  // namespace
