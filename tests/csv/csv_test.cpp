// The CSV writer: quoting, the byte-order mark, the separator, which sheet
// or table is written, and the mistakes of its options.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "golden/run_tool.hpp"

namespace {

using qrv::testing::read_all;
using qrv::testing::run_tool;
using qrv::testing::run_tool_on_text;
using qrv::testing::scratch_path;

// Two sheets of two columns: the first with texts that need quoting, an
// empty row inside and two at its end; the second with one row.
constexpr const char *kWorkbook = R"(
section kind=2
string "First" attribute=0x53480001
COLUMN_LIST_BEGIN
COLUMN_ENTRY 12 0 2
COLUMN_ENTRY 12 0 2
COLUMN_LIST_END
MERGE_LIST_BEGIN
MERGE_LIST_END
break PARAGRAPH
cell-run
SS_CELL_70 0 0
text "plain"
SS_CELL_70 0 0
text "a,b"
SS_CELL_70 0 0
text "say \"hi\""
SS_CELL_70 0 0
text "a;b"
EMPTY_CELLS 0x20000
SS_CELL_70 0 0
value DOUBLE 2.5
SS_CELL_70 0 0
text "two\nlines"
EMPTY_CELLS 0x40000
section kind=2
string "Second" attribute=0x53480001
COLUMN_LIST_BEGIN
COLUMN_ENTRY 12 0 2
COLUMN_LIST_END
MERGE_LIST_BEGIN
MERGE_LIST_END
break PARAGRAPH
cell-run
SS_CELL_70 0 0
text "only"
)";

// A text with a table: a cell spanning two columns, a cell of two
// paragraphs.
constexpr const char *kLetter = R"(
section kind=0
text "Dear reader,"
break PARAGRAPH
@wide: cell width=4000 columns=2 rows=1
table-begin
text "A"
break CELL
text "B"
break CELL
break ROW
TABLE_CELL @wide
text "both"
break CELL
break ROW
text "one"
break PARAGRAPH
text "two"
break CELL
text "x"
break CELL
break ROW
table-end
)";

TEST(Csv, WritesOneSheetOrTableAsItsOptionsSay) {
    struct Case {
        const char *name;
        const char *document;
        const char *arguments;
        std::string csv;
    } cases[] = {
        {"quoted where needed, empty rows at the end left out", kWorkbook, "",
         "plain,\"a,b\"\r\n\"say \"\"hi\"\"\",a;b\r\n\r\n2.5,\"two\nlines\"\r\n"},
        {"another separator quotes other fields", kWorkbook, "--separator ';'",
         "plain;a,b\r\n\"say \"\"hi\"\"\";\"a;b\"\r\n\r\n2.5;\"two\nlines\"\r\n"},
        {"tabs", kWorkbook, "--separator tab --sheet 2", "only\r\n"},
        {"a byte-order mark first", kWorkbook, "--csv bom --sheet 2", "\xEF\xBB\xBFonly\r\n"},
        {"a sheet the workbook does not have", kWorkbook, "--sheet 3", ""},
        {"raw values: numbers in full precision, truth values as words",
         "section kind=2\nCOLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\nCOLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\n"
         "MERGE_LIST_BEGIN\nMERGE_LIST_END\nbreak PARAGRAPH\ncell-run\nSS_CELL_70 0 0\nvalue DOUBLE "
         "0.6041666666666666\n"
         "SS_CELL_70 0 0 0x10000\nvalue DOUBLE 1\n",
         "--csv values", "0.6041666666666666,TRUE\r\n"},
        {"a text's table, spans and paragraphs kept", kLetter, "", "A,B\r\nboth,\r\n\"one\ntwo\",x\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto run = run_tool_on_text(c.document, std::string("--quiet -o - --format csv ") + c.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.csv);
    }
}

TEST(Csv, OptionMistakesGiveStatus2AndSayWhy) {
    struct Case {
        const char *arguments;
        const char *message;
    } cases[] = {
        {"--csv colour", "unknown --csv word 'colour' (known: bom, values)"},
        {"--separator ab", "--separator needs one ASCII character or 'tab', not 'ab'"},
        {"--separator '\"'", "--separator needs one ASCII character or 'tab'"},
        {"--sheet 0", "--sheet needs the number of a sheet or table from 1 to 65535, not '0'"},
        {"--sheet ''", "--sheet needs a sheet's number or name"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        auto run = run_tool(std::string("--format csv ") + c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// A named output file gets a file for each sheet and table, named after
// the output and the sheet (made safe for file systems); --sheet NAME picks
// one sheet; a document without sheets and tables is refused.
TEST(Csv, AWorkbookGivesAFileForEachSheet) {
    const std::string sheets = std::string(kWorkbook) +
                               "section kind=2\nstring \" a/b: c? \" attribute=0x53480001\n"
                               "COLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\nMERGE_LIST_BEGIN\n"
                               "MERGE_LIST_END\nbreak PARAGRAPH\ncell-run\nSS_CELL_70 0 0\ntext \"third\"\n";
    struct Case {
        const char *name;
        std::string document;
        const char *arguments;
        std::vector<std::pair<std::string, std::string>> files;  // name and content
        const char *error;
    } cases[] = {
        {"every sheet",
         sheets,
         "",
         {{"book-First.csv", "plain,\"a,b\"\r\n\"say \"\"hi\"\"\",a;b\r\n\r\n2.5,\"two\nlines\"\r\n"},
          {"book-Second.csv", "only\r\n"},
          {"book-a_b_ c_.csv", "third\r\n"}},
         ""},
        {"one sheet by its name", sheets, "--sheet Second", {{"book.csv", "only\r\n"}}, ""},
        {"one sheet by its number", sheets, "--sheet 3", {{"book.csv", "third\r\n"}}, ""},
        {"a text's only table", kLetter, "", {{"book.csv", "A,B\r\nboth,\r\n\"one\ntwo\",x\r\n"}}, ""},
        {"a name no sheet has", sheets, "--sheet Third", {}, "the document has no sheet named 'Third'"},
        {"no sheet and no table",
         "section kind=0\ntext \"Just words.\"\nbreak PARAGRAPH\n",
         "",
         {},
         "the document has no sheet or table to write as CSV"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir = scratch_path("csv-files");
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        auto run = run_tool_on_text(c.document, "--quiet -o '" + dir + "/book.csv' " + c.arguments);
        EXPECT_EQ(run.status, *c.error ? 1 : 0) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        size_t files = 0;
        for (const auto &entry : std::filesystem::directory_iterator(dir)) (void)entry, ++files;
        EXPECT_EQ(files, c.files.size());
        for (const auto &[name, content] : c.files) EXPECT_EQ(read_all(dir + "/" + name), content) << name;
        std::filesystem::remove_all(dir);
    }
}

}  // namespace
