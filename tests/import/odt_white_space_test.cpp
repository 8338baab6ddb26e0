// White space in OpenDocument text: runs of spaces, tabs and line ends
// show as one space across pieces of character data, and none at the
// start or after a line break.
#include <gtest/gtest.h>

#include <cstdint>
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
        // Eight bytes at a time: a double space, a tab or a leading space
        // on either side of an eight's edge, and a piece after a space.
        {{"abcdefg  hijklmnop"}, "abcdefg hijklmnop"},
        {{"abcdefgh  ijklmnop"}, "abcdefgh ijklmnop"},
        {{"abcdefghijk\tlmnop"}, "abcdefghijk lmnop"},
        {{"abcdefg ", " hijklmnop qrstuvw"}, "abcdefg hijklmnop qrstuvw"},
        {{"|", " abcdefghijklmnop"}, "abcdefghijklmnop"},
        {{"na\xC3\xAFve caf\xC3\xA9 d\xC3\xA9j\xC3\xA0  vu"}, "na\xC3\xAFve caf\xC3\xA9 d\xC3\xA9j\xC3\xA0 vu"},
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

// Every piece shows as the byte-by-byte rule would show it, whatever falls
// where in the eights the pieces are taken in.
TEST(OdtWhiteSpace, ShowsAsTheByteRuleDoesWhereverTheRunsFall) {
    const std::string letters[] = {"a", "b", " ", " ", "\t", "\n", "\xC3\xA9"};
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % below;
    };
    for (int round = 0; round < 2000; ++round) {
        WhiteSpace white_space;
        std::string shown, expected;
        bool after = true;
        for (int piece_count = 1 + next(3); piece_count > 0; --piece_count) {
            std::string piece;
            for (uint32_t n = next(40); n > 0; --n) piece += letters[next(7)];
            shown += white_space.shown(piece);
            for (const char c : piece) {
                const bool space = c == ' ' || c == '\t' || c == '\n';
                if (!(space && after)) expected += space ? ' ' : c;
                after = space;
            }
        }
        ASSERT_EQ(shown, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace qrv::import::odf
