#include <gtest/gtest.h>
#include <qrvex/numerals.h>
#include <qrvut.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Writer = uint16_t (*)(QRVWCHAR *, uint16_t, uint16_t, int32_t);

std::string narrow(const QRVWCHAR *w, size_t n) {
    std::string s;
    for (size_t k = 0; k < n; ++k) s += char(w[k]);
    return s;
}

// References built another way than the writers: letters by first finding
// the numeral's length, Roman numerals greedily from a value table.
std::string reference_letters(int64_t n) {
    if (n <= 0) return "";
    size_t length = 1;
    int64_t span = 26;
    while (n > span) {
        n -= span;
        span *= 26;
        ++length;
    }
    std::string s(length, 'A');
    int64_t offset = n - 1;
    for (size_t k = length; k-- > 0; offset /= 26) s[k] = char('A' + offset % 26);
    return s;
}

std::string reference_roman(int n) {
    static const std::pair<int, const char *> table[] = {{900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                                         {90, "XC"},  {50, "L"},  {40, "XL"},  {10, "X"},
                                                         {9, "IX"},   {5, "V"},   {4, "IV"},   {1, "I"}};
    std::string s;
    n %= 1000;
    for (const auto &[v, text] : table)
        while (n >= v) {
            s += text;
            n -= v;
        }
    return s;
}

struct Numeral {
    const char *name;
    Writer write;
    std::string (*reference)(int);
};

const Numeral kNumerals[] = {
    {"decimal", FUGenerateDecimalNumeral, [](int v) { return std::to_string(v); }},
    {"letter", FUGenerateLetterNumeral, [](int v) { return reference_letters(v); }},
    {"roman", FUGenerateRomanNumeral, reference_roman},
};

TEST(Numerals, EveryValueUpTo5000MatchesReference) {
    for (const Numeral &num : kNumerals) {
        SCOPED_TRACE(num.name);
        for (int v = 0; v <= 5000; ++v) {
            QRVWCHAR buf[32];
            const uint16_t end = num.write(buf, 0, 32, v);
            ASSERT_EQ(narrow(buf, end), num.reference(v)) << v;
        }
    }
}

// A short buffer keeps the least significant part; what lies before the
// start and from the size on is untouched.
TEST(Numerals, ShortBuffersKeepTheLowEndAndStayInBounds) {
    for (const Numeral &num : kNumerals) {
        SCOPED_TRACE(num.name);
        for (int v : {1234, 3888, 18277, 703, 9, 1999}) {
            const std::string full = num.reference(v);
            for (uint16_t start : {0, 3}) {
                for (uint16_t size = start; size <= start + full.size() + 1; ++size) {
                    std::vector<QRVWCHAR> buf(40, 0x7E);
                    const uint16_t end = num.write(buf.data(), start, size, v);
                    const size_t kept = std::min<size_t>(full.size(), size - start);
                    ASSERT_EQ(end, start + kept) << v << " size " << size;
                    EXPECT_EQ(narrow(buf.data() + start, kept), full.substr(full.size() - kept));
                    EXPECT_EQ(narrow(buf.data(), start), std::string(start, '~'));
                    EXPECT_EQ(narrow(buf.data() + end, 4), "~~~~");
                }
            }
        }
    }
}

TEST(Numerals, RomanDigitLettersAndRange) {
    struct Case {
        uint32_t digit;
        char one, five, ten;
        const char *backwards;
    };
    const Case cases[] = {{4, 'X', 'L', 'C', "LX"}, {9, 'C', 'D', 'M', "MC"}, {0, 'I', 'V', 'X', ""},
                          {10, 'I', 'V', 'X', ""},  {8, 'I', 0, 'X', "III"},  {7, 'I', 'V', 'X', "IIV"}};
    for (const Case &c : cases) {
        QRVWCHAR buf[8] = {};
        const uint16_t end = FUGetRoman1To9(buf, 1, 8, c.digit, c.one, c.five, c.ten);
        EXPECT_EQ(narrow(buf + 1, end - 1), c.backwards) << c.digit;
    }
}

TEST(Numerals, FlipReversesOnlyTheSpan) {
    struct Case {
        uint16_t start, end;
        const char *after;
    };
    const Case cases[] = {{0, 6, "fedcba"}, {1, 5, "aedcbf"}, {2, 3, "abcdef"}, {4, 2, "abcdef"}, {0, 5, "edcbaf"}};
    for (const Case &c : cases) {
        QRVWCHAR buf[6];
        for (int k = 0; k < 6; ++k) buf[k] = QRVWCHAR('a' + k);
        EXPECT_EQ(FUFlipWString(buf, c.start, c.end), 0u);
        EXPECT_EQ(narrow(buf, 6), c.after);
    }
}

TEST(Numerals, StripZerosKeepsOrderAndCountsKeptBytes) {
    struct Case {
        std::vector<uint8_t> in;
        uint16_t count;
        std::string kept;
    };
    const Case cases[] = {
        {{'a', 0, 'b', 0, 0}, 5, "ab"}, {{0, 0, 0}, 3, ""}, {{'x', 'y', 0, 'z'}, 2, "xy"}, {{0, 'q', 0, 'r'}, 4, "qr"}};
    for (const Case &c : cases) {
        auto buf = c.in;
        const uint16_t n = FUStripStringZeros(buf.data(), c.count);
        EXPECT_EQ(std::string(buf.begin(), buf.begin() + n), c.kept);
    }
}

struct LevelRecord {
    uint8_t bytes[36] = {};
    LevelRecord(uint32_t numbering, QRVWCHAR bullet) {
        std::memcpy(bytes + 4, &bullet, 2);
        std::memcpy(bytes + 32, &numbering, 4);
    }
    const CUListLevelRecord *get() const { return reinterpret_cast<const CUListLevelRecord *>(bytes); }
};

TEST(CounterNumber, StylesFlagsAndTermination) {
    struct Case {
        uint32_t numbering, flags;
        uint16_t size;
        int32_t value;
        std::string text;  // up to and including the terminator
        uint16_t result;
    };
    const Case cases[] = {
        {2 | 0x20000, 0, 10, 3, std::string("c\0", 2), 1},
        {3 | 0x20000, 0, 10, 12, std::string("xii\0", 4), 3},
        {3, 0, 10, 12, std::string("XII\0", 4), 3},
        {1 | 0x100000, 0, 10, 12, std::string("12\0", 3), 2},
        {7 | 0x100000, 0, 10, 7, std::string("07\0", 3), 2},
        {9 | 0x100000, 0, 10, 0, std::string("00\0", 3), 2},
        {10, 0, 10, 123, std::string("123\0", 4), 3},
        {4, 0, 10, 42, std::string("42\0", 3), 2},
        {5 | 0x100000, 0, 10, 3, std::string("03\0", 3), 2},
        {6 | 0x20000, 0, 10, 9, std::string("9\0", 2), 1},
        {2 | 0x100000, 0, 10, 3, std::string("C\0", 2), 1},  // the leading zero is for decimals only
        {3 | 0x100000, 0, 10, 4, std::string("IV\0", 3), 2},
        {8 | 0x20000, 0, 10, 5, std::string("\x95\0", 2), 1},  // the bullet is not lowered
        {2, 0, 10, 28, std::string("AB\0", 3), 2},
        {8, 0, 10, 5, std::string("\x95\0", 2), 1},
        {11, 0, 10, 5, std::string("*\0", 2), 1},
        {0xFFFF, 0, 10, 5, std::string("*\0", 2), 1},
        {0, 0, 10, 5, std::string("\0", 1), 0},
        {1, 0, 1, 5, std::string("\0", 1), 1},
        {1, 0, 3, 12345, std::string("34\0", 3), 3},
        {1 | 0x100000, 0, 1, 4, std::string("\0", 1), 1},
    };
    for (const Case &c : cases) {
        QRVWCHAR buf[12];
        std::fill(std::begin(buf), std::end(buf), QRVWCHAR(0x7E));
        const LevelRecord rec(c.numbering, 0x95);
        EXPECT_EQ(FUGenerateCounterNumber(rec.get(), 0, buf, c.size, c.value), c.result) << c.numbering;
        EXPECT_EQ(narrow(buf, c.text.size()), c.text) << c.numbering;
        EXPECT_EQ(buf[c.size], 0x7E) << "past the size";
    }
    EXPECT_EQ(FUGenerateCounterNumber(LevelRecord(1, 0).get(), 0, nullptr, 0, 5), 0);
}

TEST(CounterNumber, NarrowedToBytesInPlace) {
    struct Case {
        uint32_t numbering;
        uint16_t size;
        int32_t value;
        std::string bytes;
    };
    const Case cases[] = {{1, 10, 1234, "1234"}, {3 | 0x20000, 10, 14, "xiv"}, {1, 3, 987, "98"}, {0, 4, 1, ""}};
    for (const Case &c : cases) {
        QRVWCHAR buf[12] = {};
        const uint16_t n = FUGenerateCounterNumber(LevelRecord(c.numbering, 0).get(), 1, buf, c.size, c.value);
        EXPECT_EQ(std::string(reinterpret_cast<const char *>(buf), n), c.bytes);
    }
}

TEST(SectionString, PresentWordOrResourceWordThenNumber) {
    QRVWCHAR buf[64] = {'P', 'a', 'r', 't', 0};
    EXPECT_EQ(FUGetDefaultSectionString(-17, 3, buf, 64), 8);
    EXPECT_EQ(narrow(buf, 9), std::string("Part -17\0", 9));

    UTSetString(77541, "Chapter");
    EXPECT_EQ(FUGetDefaultSectionString(2, 5, buf, 64), 9);
    EXPECT_EQ(narrow(buf, 10), std::string("Chapter 2\0", 10));
    UTResetStrings();
}

}  // namespace
