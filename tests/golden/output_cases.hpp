// Output tests on small text documents: the start every case's body
// follows (styles, lists and a text section), and a table of cases each
// giving a body and the page one output format writes for it.
#pragma once

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "golden/run_tool.hpp"

namespace qrv::testing {

// Paragraph styles 1 "Title", 2 to 4 "heading 1" to "heading 3", 5
// "Normal"; list styles 10 (numbered, two levels, "1." and "i.") and 11
// (bulleted).
inline constexpr const char *kStyledPrologue = R"(
@nTitle: string "Title"
@nH1: string "heading 1"
@nH2: string "heading 2"
@nH3: string "heading 3"
@nBody: string "Normal"
@nNum: string "Numbered list"
@nBul: string "Bulleted list"
@rTitle: style-record kind=1 predefined=0 name=@nTitle parent=-1
@rH1: style-record kind=1 predefined=0 name=@nH1 parent=-1
@rH2: style-record kind=1 predefined=0 name=@nH2 parent=-1
@rH3: style-record kind=1 predefined=0 name=@nH3 parent=-1
@rBody: style-record kind=1 predefined=0 name=@nBody parent=-1
@rNum: style-record kind=4 predefined=0 name=@nNum parent=-1
@rBul: style-record kind=4 predefined=0 name=@nBul parent=-1
@lNum0: list-level counter=1 key=100 numbering=1
@lNum1: list-level counter=1 key=101 numbering=0x20003
@lBul0: list-level bullet=0x2022 key=200 numbering=8
@lBul1: list-level bullet=0x25e6 key=201 numbering=8
begin STYLE_DEFINITION 0 @rTitle key=1
end
begin STYLE_DEFINITION 0 @rH1 key=2
end
begin STYLE_DEFINITION 0 @rH2 key=3
end
begin STYLE_DEFINITION 0 @rH3 key=4
end
begin STYLE_DEFINITION 0 @rBody key=5
end
begin STYLE_DEFINITION 0 @rNum key=10
LIST_LEVEL_DATA 0 0 @lNum0
LIST_LEVEL_DATA 0 1 @lNum1
end
begin STYLE_DEFINITION 0 @rBul key=11
LIST_LEVEL_DATA 0 0 @lBul0
LIST_LEVEL_DATA 0 1 @lBul1
end
begin LIST_LEVEL_DEF key=100
COUNTER_PLACEMENT
end
begin LIST_LEVEL_DEF key=101
COUNTER_PLACEMENT
end
begin LIST_LEVEL_DEF key=200
end
begin LIST_LEVEL_DEF key=201
end
section kind=0
)";


// The page the tool writes for a body after the prologue, in a format.
inline std::string output_of(const std::string &body, const char *format) {
    auto run = run_tool_on_text(kStyledPrologue + body, std::string("--quiet -o - --format ") + format);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

struct OutputCase {
    const char *name;
    const char *body;
    const char *expected;
};

template <size_t N>
void expect_outputs(const OutputCase (&cases)[N], const char *format) {
    for (const OutputCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(output_of(c.body, format), c.expected);
    }
}

}  // namespace qrv::testing
