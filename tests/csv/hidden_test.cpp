// Hidden sheets, rows and columns are kept by every output, each marking
// them where its format can: nothing a reader of the workbook might look
// for is left out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden/run_tool.hpp"

namespace {

using qrv::testing::run_tool_on_text;

// A hidden sheet (layout 2) whose second column (flags 0x106: hidden,
// source column B) and second row (its row tag, data2 1) are hidden too.
constexpr const char *kHidden = R"(
section kind=2
SECTION_LAYOUT 2
string "Secret" attribute=0x53480001
COLUMN_LIST_BEGIN
COLUMN_ENTRY 12 0 2
COLUMN_ENTRY 12 0 0x106
COLUMN_LIST_END
MERGE_LIST_BEGIN
MERGE_LIST_END
break PARAGRAPH
cell-run
SS_CELL_70 0 0
text "a"
SS_CELL_70 0 0
text "in a hidden column"
begin 0x20420000 1 1
end
SS_CELL_70 0 0
text "in a hidden row"
SS_CELL_70 0 0
text "d"
)";

TEST(HiddenParts, EveryOutputKeepsThemAndMarksThemWhereItCan) {
    struct Case {
        const char *format;
        std::vector<std::string> pieces;
    } cases[] = {
        {"html",
         {"<table class=\"sheet hidden\"", "<col class=\"hidden\">", "<tr data-row=\"2\" class=\"hidden\">",
          "<td>in a hidden column</td>", "<td>in a hidden row</td>"}},
        {"markdown", {"## Secret (hidden)\n\n| a | in a hidden column |\n| --- | --- |\n| in a hidden row | d |\n"}},
        {"csv", {"a,in a hidden column\r\nin a hidden row,d\r\n"}},
        {"json",
         {"\"name\":\"Secret\",\"hidden\":true,\"hidden_columns\":[\"B\"],",
          "{\"address\":\"B1\",\"type\":\"text\",\"text\":\"in a hidden column\"}",
          "{\"row\":2,\"hidden\":true,\"cells\":[{\"address\":\"A2\""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        const auto run = run_tool_on_text(kHidden, std::string("--quiet -o - --format ") + c.format);
        EXPECT_EQ(run.status, 0) << run.err;
        for (const auto &piece : c.pieces)
            EXPECT_NE(run.out.find(piece), std::string::npos) << piece << "\n" << run.out;
    }
}

}  // namespace
