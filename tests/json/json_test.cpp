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
         "\"text\":\"7\",\"value\":7}]}],\"dimensions\":{\"rows\":2,\"columns\":2,\"range\":\"A1:B2\"}}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string json = json_of(c.body);
        EXPECT_NE(json.find(c.piece), std::string::npos) << json;
    }
}

}  // namespace
