#include <qrvex/numformat.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(InsertCh, MovesTheRestRight) {
    struct Case {
        const char *text;
        char ch;
        uint32_t position;
        const char *expected;
    } cases[] = {{"1234", ',', 1, "1,234"},
                 {"abc", 'X', 0, "Xabc"},
                 {"abc", 'X', 3, "abcX"},
                 {"", 'X', 0, "X"},
                 {"abc", 'X', 9, "abcX"}};
    for (const Case &c : cases) {
        char buffer[16] = {};
        std::strcpy(buffer, c.text);
        FUInsertCh(buffer, c.ch, c.position);
        EXPECT_STREQ(buffer, c.expected);
        std::u16string wide(c.text, c.text + std::strlen(c.text));
        QRVWCHAR wbuffer[16] = {};
        std::copy(wide.begin(), wide.end(), wbuffer);
        FUInsertChW(wbuffer, static_cast<QRVWCHAR>(c.ch), c.position, static_cast<uint32_t>(wide.size()));
        EXPECT_EQ(std::u16string(reinterpret_cast<char16_t *>(wbuffer)),
                  std::u16string(c.expected, c.expected + std::strlen(c.expected)));
    }
}

TEST(RoundCopy, RoundsOnTheNextDigit) {
    struct Case {
        const char *digits;
        uint32_t count;
        const char *expected;
        uint32_t carry;
    } cases[] = {
        {"12345", 2, "12", 0}, {"12545", 2, "13", 0}, {"19951", 3, "200", 0}, {"99951", 3, "000", 1},
        {"5", 0, "", 1},       {"4", 0, "", 0},       {"129", 3, "129", 0},   {"12", 1, "1", 0},
    };
    for (const Case &c : cases) {
        char out[16];
        std::memset(out, 'x', sizeof out);
        EXPECT_EQ(FURoundCopy(out, c.digits, c.count), c.carry) << c.digits;
        EXPECT_STREQ(out, c.expected);
        QRVWCHAR wdigits[16] = {}, wout[16];
        for (size_t i = 0; c.digits[i]; ++i) wdigits[i] = static_cast<QRVWCHAR>(c.digits[i]);
        EXPECT_EQ(FURoundCopyW(wout, wdigits, c.count), c.carry);
        for (uint32_t i = 0; i < c.count; ++i) EXPECT_EQ(wout[i], static_cast<QRVWCHAR>(c.expected[i]));
        EXPECT_EQ(wout[c.count], 0);
    }
}

TEST(ReverseByteCopy, ReversesAlsoInPlace) {
    const unsigned char source[] = {1, 2, 3, 4, 5};
    unsigned char out[5] = {};
    FUReverseByteCopy(out, source, 5);
    EXPECT_EQ(std::memcmp(out, "\5\4\3\2\1", 5), 0);
    unsigned char same[] = {1, 2, 3, 4};
    FUReverseByteCopy(same, same, 4);
    EXPECT_EQ(std::memcmp(same, "\4\3\2\1", 4), 0);
    unsigned char shifted[] = {1, 2, 3, 4, 0};
    FUReverseByteCopy(shifted + 1, shifted, 4);
    EXPECT_EQ(std::memcmp(shifted + 1, "\4\3\2\1", 4), 0);
}

TEST(NumToString, LowSixteenBitsUnsigned) {
    struct Case {
        uint32_t number;
        const char *expected;
    } cases[] = {{0, "0"},      {7, "7"}, {65535, "65535"}, {65536, "0"}, {0x12345, "9029"}, {0xFFFFFFFF, "65535"},
                 {1000, "1000"}};
    for (const Case &c : cases) {
        char buffer[8];
        EXPECT_EQ(FUNumToString(c.number, buffer), std::strlen(c.expected));
        EXPECT_STREQ(buffer, c.expected);
    }
}

}  // namespace
