// Delimited text that real files get wrong: wide encodings with their byte
// order marks, marks saved twice, quotes never closed, binary bytes under a
// text name.  Each reads as its author meant or says what is wrong.
#include <gtest/gtest.h>

#include "sheet_log.hpp"

namespace {

using qrv::test::import_and_walk;

// "a,é\n" in UTF-32, little or big endian, with its mark.
std::string utf32(bool big_endian) {
    std::string bytes;
    for (char32_t c : std::u32string{0xFEFF, U'a', U',', 0xE9, U'\n'})
        for (int k = 0; k < 4; ++k) bytes += static_cast<char>(c >> 8 * (big_endian ? 3 - k : k) & 0xFF);
    return bytes;
}

TEST(CsvCorners, EachFileReadsAsMeantOrWarns) {
    struct Case {
        const char *name;
        std::string bytes;
        const char *page;     // a piece of the walk's log
        const char *warning;  // a piece of the message, "" for none
    } cases[] = {
        {"UTF-32 little endian", utf32(false), "r1: a| é|\n", ""},
        {"UTF-32 big endian", utf32(true), "r1: a| é|\n", ""},
        {"a byte order mark twice", "\xEF\xBB\xBF\xEF\xBB\xBFname,1\n", "r1: name| =1|\n", ""},
        {"a mark three times", "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBFx\n", "r1: x|\n", ""},
        {"a quote never closed", "a,b\nc,\"d\ne,f\n", "r2: c| d\ne,f\n|", "the quote opened on line 2 is never closed"},
        {"a quote closed on a later line", "\"a\nb\",c\n\"d\n", "r1: a\nb| c|", "line 3 is never closed"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = import_and_walk(c.bytes, "t.csv");
        ASSERT_EQ(result.rc, 0u) << result.message;
        EXPECT_NE(result.page.find(c.page), std::string::npos) << result.page;
        if (*c.warning) {
            EXPECT_NE(result.message.find(c.warning), std::string::npos) << result.message;
        } else {
            EXPECT_EQ(result.message, "");
        }
    }
}

// Told by its name alone, binary data gets the same message as when its
// format is given.
TEST(CsvCorners, BinaryDataUnderATextNameIsNamedAsSuch) {
    const struct {
        const char *file;
        const char *message;
    } cases[] = {
        {"nul.csv", "nul.csv: the file holds binary data, not delimited text"},
        {"nul.tsv", "nul.tsv: the file holds binary data, not delimited text"},
    };
    for (const auto &c : cases) {
        const auto result = import_and_walk(std::string("a,b\n1,\0\0,2\n", 11), c.file);
        EXPECT_EQ(result.rc, uint32_t{IM_ERR_BROKEN}) << c.file;
        EXPECT_EQ(result.message, c.message);
    }
}

}  // namespace
