// Text at the edges of an import: UTF-8 checked into UTF-16, the encodings
// of delimited files, and the separator they use.
#include <gtest/gtest.h>

#include <string>

#include "writer/utf16.hpp"
#include "core/text_sniff.hpp"
#include "byte_span.hpp"

namespace qrv::import {
namespace {

using qrv::test::bytes_of;

TEST(Utf16, MalformedSequencesBecomeOneReplacementEach) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"abc", u"abc"},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                            // cut short at the end
        {"\xE2\x82x", u"\uFFFDx"},                          // cut short by another character
        {"\x80x", u"\uFFFDx"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        // Runs of ASCII go eight bytes at a time: a sequence at, before
        // and after an eight's edge, and one cut short there.
        {"abcdefg\xC3\xA9hijklmnopq", u"abcdefg\u00E9hijklmnopq"},
        {"abcdefgh\xE2\x82\xACijklmnop\xF0\x9F\x98\x80", u"abcdefgh\u20ACijklmnop\U0001F600"},
        {"abcdefghijklmno\xE2\x82", u"abcdefghijklmno\uFFFD"},
        {"\xC3\xA9" "abcdefghijklmnopqrstuvwxyz\x7F", u"\u00E9abcdefghijklmnopqrstuvwxyz\u007F"},
    };
    for (const auto &c : cases) EXPECT_EQ(utf16_of(c.utf8), c.utf16) << c.utf8;
}

TEST(TextSniff, EncodingsBecomeUtf8) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::string utf8;
    } cases[] = {
        {"a,b", TextEncoding::Utf8, "a,b"},
        {"\xEF\xBB\xBFna\xC3\xAFve", TextEncoding::Utf8Bom, "na\xC3\xAFve"},
        {std::string("\xFF\xFE"
                     "a\0\xAC\x20",
                     6),
         TextEncoding::Utf16Le, "a\xE2\x82\xAC"},
        {std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8), TextEncoding::Utf16Be, "a\xF0\x9F\x98\x80"},
        {std::string("\xFF\xFE\x3D\xD8"
                     "a\0",
                     6),
         TextEncoding::Utf16Le,
         "\xEF\xBF\xBD"
         "a"},
        {"caf\xE9 \x80", TextEncoding::Windows1252, "caf\xC3\xA9 \xE2\x82\xAC"},
        {"caf\xE9", TextEncoding::Windows1252, "caf\xC3\xA9"},
        {"\xEF\xBF\xBD!", TextEncoding::Utf8, "\xEF\xBF\xBD!"},  // a replacement character written as one
    };
    for (const auto &c : cases) {
        EXPECT_EQ(encoding_of(bytes_of(c.bytes)), c.encoding) << c.utf8;
        EXPECT_EQ(utf8_text(bytes_of(c.bytes), c.encoding), c.utf8);
        std::string storage;
        EXPECT_EQ(utf8_text_view(bytes_of(c.bytes), c.encoding, storage), c.utf8);
    }
}

// Long texts are converted a piece at a time: a sequence across the end of
// a piece, and malformed bytes on either side of it, come out as from one
// piece; UTF-8 as it stands is not copied.
TEST(TextSniff, LongTextsConvertPieceByPiece) {
    const std::string filler(kUtf8PieceBytes - 1, 'x');
    const struct {
        std::string bytes, utf8;
        bool copied;
    } cases[] = {
        {filler + "\xC3\xA9z", filler + "\xC3\xA9z", false},
        {filler + "\xF0\x9F\x98\x80", filler + "\xF0\x9F\x98\x80", false},
        {filler + "\xC3(", filler + "\xEF\xBF\xBD(", true},
        {filler + "\x80\x80z", filler + "\xEF\xBF\xBD\xEF\xBF\xBDz", true},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + filler + "ab", filler + "ab", false},
    };
    for (const auto &c : cases) {
        const auto bytes = bytes_of(c.bytes);
        EXPECT_EQ(utf8_text(bytes, TextEncoding::Utf8), c.utf8);
        std::string storage;
        const std::string_view view = utf8_text_view(bytes, TextEncoding::Utf8, storage);
        EXPECT_EQ(view, c.utf8);
        EXPECT_EQ(!storage.empty(), c.copied);
    }
}

TEST(TextSniff, SeparatorOfDelimitedText) {
    struct Case {
        std::string text;
        char separator;
    } cases[] = {
        {"a,b,c\n1,2,3\n", ','},         {"a;b;c\n1,5;2,5;3\n", ';'},  // decimal commas do not fool it
        {"a\tb\n1\t2\n", '\t'},          {"\"x,y\";b\n1;2\n", ';'},    // quoted separators do not count
        {"a,b\n1,2,3\n4,5\n", ','},                                    // ragged rows
        {"name\nAnn\nBob\n", 0},         {"", 0},
        {"one line, with a comma", ','},
    };
    for (const auto &c : cases) EXPECT_EQ(sniff_separator(c.text), c.separator) << c.text;
}

}  // namespace
}  // namespace qrv::import
