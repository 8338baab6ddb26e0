// The JSON writer on small documents: each case is the body of a text
// document and a piece the JSON must hold, exactly as written (compact,
// members in their order).
#include <gtest/gtest.h>

#include <string>

#include "golden/run_tool.hpp"

namespace {

using qrv::testing::run_tool_on_text;

std::string json_of(const std::string &body) {
    auto run = run_tool_on_text(body, "--quiet -o - --format json");
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

TEST(Json, BlocksRunsAndSheetsStandInReadingOrder) {
    struct Case {
        const char *name;
        const char *body;
        const char *piece;
    } cases[] = {
        {"the frame", "section kind=0\ntext \"x\"\nbreak PARAGRAPH\n",
         "{\"format\":\"qrvex-document\",\"version\":1,\"blocks\":[{\"type\":\"paragraph\",\"runs\":[{\"text\":\"x\"}]}"
         "],"
         "\"notes\":[],\"properties\":{}}\n"},
        {"runs split where the formatting changes",
         "section kind=0\ntext \"a \"\nCHAR_ATTR 2 1\ntext \"b\"\ntext \"c\"\nCHAR_ATTR 2 0\ntext \" d\"\nbreak "
         "PARAGRAPH\n",
         "\"runs\":[{\"text\":\"a \"},{\"text\":\"bc\",\"bold\":true},{\"text\":\" d\"}]"},
        {"quotes, backslashes, line breaks and control characters escaped",
         "section kind=0\ntext \"say \\\"hi\\\" \\\\ \\t\"\nbreak LINE\ntext \"next\"\nbreak PARAGRAPH\n",
         "{\"text\":\"say \\\"hi\\\" \\\\ \\t\\nnext\"}"},
        {"a link's target on its run",
         "section kind=0\nbegin 0x00440000\n@t: string \"https://example.com/\" attribute=0x14b00000\n"
         "OBJECT_LOCATOR_PART 2 @t\nOBJECT_LOCATOR_END\ntext \"site\"\nend\nbreak PARAGRAPH\n",
         "{\"text\":\"site\",\"link\":\"https://example.com/\"}"},
        {"a note's reference and the note",
         "section kind=0\ntext \"a\"\nbegin 0x20400000\ntext \"The note.\"\nend\nbreak PARAGRAPH\n",
         "\"runs\":[{\"text\":\"a\"},{\"note\":1}]}],\"notes\":[{\"number\":1,\"kind\":\"footnote\",\"text\":\"The "
         "note.\"}]"},
        {"a picture", "section kind=0\nbegin 0x20450000 1\ntext \"A dot\"\nend\nbreak PARAGRAPH\n",
         "{\"image\":{\"kind\":\"picture\",\"alt\":\"A dot\"}}"},
        {"a table's cells with their spans and blocks",
         "section kind=0\n@wide: cell width=4000 columns=2 rows=1\ntable-begin\nTABLE_CELL @wide\ntext \"both\"\n"
         "break CELL\nbreak ROW\ntable-end\n",
         "\"rows\":[{\"cells\":[{\"column_span\":2,\"blocks\":[{\"type\":\"paragraph\","
         "\"runs\":[{\"text\":\"both\"}]}]}]}]}"},
        {"a sheet's cells by address, with merges and dimensions",
         "section kind=2\nstring \"S\" attribute=0x53480001\nCOLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\n"
         "COLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\nMERGE_LIST_BEGIN\nMERGE_POINT 0 0\nMERGE_POINT 0 1\n"
         "MERGE_LIST_END\nbreak PARAGRAPH\ncell-run\nSS_CELL_70 0 0\ntext \"Title\"\nEMPTY_CELLS 0x10000\n"
         "EMPTY_CELLS 0x10000\nSS_CELL_70 0 0\nvalue DOUBLE 7\n",
         "{\"type\":\"sheet\",\"name\":\"S\",\"rows\":[{\"row\":1,\"cells\":[{\"address\":\"A1\",\"type\":\"text\","
         "\"text\":\"Title\",\"merge\":\"A1:B1\"}]},{\"row\":2,\"cells\":[{\"address\":\"B2\",\"type\":\"number\","
         "\"text\":\"7\",\"value\":7,\"format\":\"General\"}]}],\"dimensions\":{\"rows\":2,\"columns\":2,\"range\":"
         "\"A1:B2\"}}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string json = json_of(c.body);
        EXPECT_NE(json.find(c.piece), std::string::npos) << json;
    }
}

// A one-cell sheet whose cell shows value through the definition of key 1.
std::string sheet_with_format(const std::string &definition, const std::string &value) {
    return "begin NUMBER_FORMAT key=1\n" + definition +
           "end\nsection kind=2\nCOLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\nMERGE_LIST_BEGIN\n"
           "MERGE_LIST_END\nbreak PARAGRAPH\ncell-run\nSS_CELL_70 0 1\nvalue DOUBLE " +
           value + "\n";
}

// The format code is read back from the definition the importer wrote: its
// special characters, text runs, colours, and the conditions that pick
// its sections.
TEST(Json, ANumberCarriesTheCodeOfItsFormat) {
    struct Case {
        const char *name;
        const char *definition;
        const char *value;
        const char *piece;
    } cases[] = {
        {"digits, grouping and decimals",
         "special 0x101\nspecial 0x10A\nspecial 0x101\nspecial 0x101\nspecial 0x100\nspecial 0x103\n"
         "special 0x100\nspecial 0x100\n",
         "1234.5", "\"text\":\"1,234.50\",\"value\":1234.5,\"format\":\"#,##0.00\"}"},
        {"a percentage", "special 0x100\nspecial 0x103\nspecial 0x100\nspecial 0x104\n", "0.25",
         "\"format\":\"0.0%\"}"},
        {"text around the digits: quoted unless it stands for itself", "text \"$\"\nspecial 0x100\ntext \" kg\"\n", "3",
         "\"format\":\"$0 \\\"kg\\\"\"}"},
        {"a quote in the text", "special 0x100\ntext \"\\\"\"\n", "3", "\"format\":\"0\\\\\\\"\"}"},
        {"an escaped character and a repeated one",
         "special 0x107\nspecial 0x2D\nspecial 0x100\nspecial 0x108\nspecial 0x2E\n", "3", "\"format\":\"\\\\-0*.\"}"},
        {"a date: its code and its ISO date", "special 0x127\ntext \"-\"\nspecial 0x123\ntext \"-\"\nspecial 0x121\n",
         "45356", "\"text\":\"2024-03-05\",\"value\":45356,\"format\":\"yyyy-mm-dd\",\"date\":\"2024-03-05\"}"},
        {"a time on a 12-hour clock", "special 0x12A\nspecial 0x131\nspecial 0x12B\ntext \" \"\nspecial 0x12F\n",
         "0.75", "\"format\":\"h:mm AM/PM\",\"date\":\"18:00:00\"}"},
        {"a negative section in red: written as a spreadsheet writes it",
         "FORMAT_CONDITION 0x10001 0 1\nvalue DOUBLE 0\nbegin SS_CELL 2\nspecial 0x100\nend\n"
         "begin SS_CELL 1\nATTR_25 0xFF0000\ntext \"(\"\nspecial 0x100\ntext \")\"\nend\n",
         "-5", "\"text\":\"(5)\",\"value\":-5,\"format\":\"0;[Red](0)\"}"},
        {"negative and zero sections",
         "FORMAT_CONDITION 0x10001 0 1\nvalue DOUBLE 0\nFORMAT_CONDITION 0x10003 1 2\nvalue DOUBLE 0\n"
         "begin SS_CELL 3\nspecial 0x100\nend\nbegin SS_CELL 1\ntext \"-\"\nspecial 0x100\nend\n"
         "begin SS_CELL 2\ntext \"zero\"\nend\n",
         "0", "\"format\":\"0;-0;\\\"zero\\\"\"}"},
        {"a condition of its own",
         "FORMAT_CONDITION 0x10005 1 1\nvalue DOUBLE 100\nbegin SS_CELL 2\nspecial 0x100\nend\n"
         "begin SS_CELL 1\nspecial 0x100\nspecial 0x103\nspecial 0x100\nend\n",
         "150", "\"text\":\"150.0\",\"value\":150,\"format\":\"[>=100]0.0;0\"}"},
        {"an empty section: zero shows nothing",
         "FORMAT_CONDITION 0x10001 0 1\nvalue DOUBLE 0\nFORMAT_CONDITION 0x10003 1 2\nvalue DOUBLE 0\n"
         "begin SS_CELL 3\nspecial 0x100\nend\nbegin SS_CELL 1\ntext \"-\"\nspecial 0x100\nend\n"
         "begin SS_CELL 2\nspecial 0x10A\nend\n",
         "5", "\"format\":\"0;-0;\"}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string json = json_of(sheet_with_format(c.definition, c.value));
        EXPECT_NE(json.find(c.piece), std::string::npos) << json;
    }
}

}  // namespace
