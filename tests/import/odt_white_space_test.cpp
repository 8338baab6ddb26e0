// White space in OpenDocument text: runs of spaces, tabs and line ends
// show as one space across pieces of character data, and none at the
// start or after a line break.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "odt/odt_white_space.hpp"

namespace qrv::import::odf {
namespace {

TEST(OdtWhiteSpace, RunsShowAsOneSpaceAcrossPieces) {
    struct Case {
        std::vector<std::string> pieces;  // "|" stands for a line break between pieces
        std::string shown;
    } cases[] = {
        {{"two words"}, "two words"},
        {{"  leading and trailing  "}, "leading and trailing "},
        {{"a\tb\nc\r\nd"}, "a b c d"},
        {{"a ", " b"}, "a b"},
        {{"a", " ", "  ", "b"}, "a b"},
        {{"end ", "|", "  next"}, "end next"},
        {{"", "x", ""}, "x"},
        {{"one  two", "three"}, "one twothree"},
    };
    for (const auto &c : cases) {
        WhiteSpace white_space;
        std::string shown;
        for (const auto &piece : c.pieces) {
            if (piece == "|") {
                white_space.line_broken();
                continue;
            }
            shown += white_space.shown(piece);
        }
        EXPECT_EQ(shown, c.shown) << c.pieces.front();
    }
}

}  // namespace
}  // namespace qrv::import::odf
