#include <gtest/gtest.h>
#include <qrvex/datavalue.h>
#include <qrvut.h>

#include <bit>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

template <typename T>
Bytes le(T v) {
    Bytes b(sizeof v);
    std::memcpy(b.data(), &v, sizeof v);
    return b;
}

Bytes be(Bytes b) { return Bytes(b.rbegin(), b.rend()); }

TEST(DataValFromUnion, StorageTypesAndMultipliers) {
    const Bytes one80 = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};  // 1.0
    struct Case {
        const char *what;
        uint32_t type, multiplier;
        Bytes storage;
        uint32_t result;
        double value;
    };
    const Case cases[] = {
        {"int32", 0, 0, le<int32_t>(-7), 1, -7.0},
        {"int32 times 0.01", 0, 329, le<int32_t>(12345), 1, 12345 * 0.01},
        {"uint32", 1, 0, le<uint32_t>(4294967295u), 1, 4294967295.0},
        {"float", 2, 321, le<float>(1.5f), 1, 1500.0},
        {"float big-endian", 3, 0, be(le<float>(-0.25f)), 1, -0.25},
        {"double", 4, 327, le<double>(3.0), 1, 3.0 * 0.0625},
        {"double no value", 4, 321, {1, 2, 3, 4, 5, 6, 0xFF, 0xFF}, 0, 0.0},
        {"double big-endian has no no-value test",
         5,
         0,
         {0xFF, 0xFF, 0, 0, 0, 0, 0, 0},
         1,
         std::bit_cast<double>(uint64_t{0xFFFF000000000000})},
        {"extended", 6, 320, one80, 1, 5000.0},
        {"extended big-endian", 7, 0, be(one80), 1, 1.0},
        {"packed decimal", 8, 0, {0x46, 0, 0, 0, 0, 0, 0x12, 0x34}, 1, 1234.0},
        {"none 9", 9, 321, {}, 0, 0.0},
        {"none 10", 10, 0, {}, 0, 0.0},
        {"undefined 11", 11, 321, le<int32_t>(5), 1, 0.0},
        {"undefined 16", 16, 0, le<int32_t>(5), 1, 0.0},
        {"int32 big-endian", 13, 0, be(le<int32_t>(-2)), 1, -2.0},
        {"uint32 big-endian", 14, 0, be(le<uint32_t>(0x80000000u)), 1, 2147483648.0},
        {"compact", 15, 328, le<uint32_t>(100u << 6), 1, 100 * 0.015625},
        {"unlisted multiplier", 0, 330, le<int32_t>(9), 1, 9.0},
    };
    for (const Case &c : cases) {
        Bytes storage = c.storage;
        storage.resize(16);
        double value = 99.0;
        EXPECT_EQ(FUDataValFromUnion(storage.data(), c.multiplier, c.type, &value), c.result) << c.what;
        EXPECT_EQ(std::bit_cast<uint64_t>(value), std::bit_cast<uint64_t>(c.value)) << c.what;
    }
}

TEST(DataValFromUnion, ReordersStorageInPlace) {
    struct Case {
        uint32_t type;
        Bytes before, after;
    };
    const Case cases[] = {
        {3, {1, 2, 3, 4}, {4, 3, 2, 1}},
        {5, {1, 2, 3, 4, 5, 6, 7, 8}, {8, 7, 6, 5, 4, 3, 2, 1}},
        {7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {8, {0xC6, 1, 2, 3, 4, 5, 6, 7}, {0x46, 1, 2, 3, 4, 5, 6, 7}},
        {0, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const Case &c : cases) {
        Bytes storage = c.before;
        double value;
        FUDataValFromUnion(storage.data(), 0, c.type, &value);
        EXPECT_EQ(storage, c.after) << c.type;
    }
}

TEST(PackedDecimal, SignExponentAndDigits) {
    struct Case {
        Bytes in;
        double out;
    };
    const double d14 = 12345678901234.0;
    const Case cases[] = {
        {{0x46, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34}, d14},
        {{0xC6, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34}, -d14},
        {{0x00, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34}, 0.0},
        {{0x48, 0, 0, 0, 0, 0, 0, 0x05}, 1.0 * 10.0 * 10.0 * 5},
        {{0x44, 0, 0, 0, 0, 0, 0, 0x25}, (1.0 * 0.1 * 0.1) * 25},
        {{0x46, 0, 0, 0, 0, 0, 0, 0xAF}, 10 * 10.0 + 15},  // nibbles above 9 count as they are
        {{0x80, 0, 0, 0, 0, 0, 0, 0x01}, -([] {
             double s = 1;
             for (int k = 0; k < 70; ++k) s *= 0.1;
             return s;
         }())},
    };
    for (const Case &c : cases) {
        Bytes b = c.in;
        EXPECT_EQ(FUConvertBCDToDouble(b.data()), c.out);
    }
}

TEST(CompactScaled, PowerDirectionAndSign) {
    struct Case {
        uint32_t word;
        double out;
    };
    const Case cases[] = {
        {12345u << 6 | 0x10 | 2, (1.0 * 0.1 * 0.1) * 12345},
        {12345u << 6 | 0x30 | 2, (1.0 * 0.1 * 0.1) * 12345 * -1.0},
        {7u << 6 | 3, 7000.0},
        {0x3FFFFFFu << 6, 67108863.0},
        {0x20, -0.0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(std::bit_cast<uint64_t>(FUConvertCompactToDouble(c.word)), std::bit_cast<uint64_t>(c.out));
}

std::u16string wide(const QRVWCHAR *w) {
    std::u16string s;
    while (*w) s += char16_t(*w++);
    return s;
}

TEST(WideStrings, AppendBytesZeroExtends) {
    struct Case {
        std::u16string start;
        const char *bytes;
        uint32_t appended;
        std::u16string result;
    };
    const Case cases[] = {
        {u"ab", "", 0, u"ab"},
        {u"", "xyz", 3, u"xyz"},
        {u"1", "\xE9\x80", 2, u"1\u00E9\u0080"},
    };
    for (const Case &c : cases) {
        QRVWCHAR buf[16] = {};
        std::copy(c.start.begin(), c.start.end(), buf);
        EXPECT_EQ(FUstrcatBtoW(buf, c.bytes), c.appended);
        EXPECT_EQ(wide(buf), c.result);
    }
}

TEST(WideStrings, ResourceCutToTheBuffer) {
    UTSetString(4242, "Hello");
    struct Case {
        uint32_t id, size, length;
        std::u16string text;
    };
    const Case cases[] = {
        {4242, 10, 5, u"Hello"}, {4242, 6, 5, u"Hello"}, {4242, 5, 4, u"Hell"}, {4242, 1, 0, u""}, {4243, 10, 0, u""}};
    for (const Case &c : cases) {
        QRVWCHAR buf[16];
        std::fill(std::begin(buf), std::end(buf), QRVWCHAR(0x7E));
        EXPECT_EQ(FUGetLOString(c.id, buf, c.size), c.length);
        EXPECT_EQ(wide(buf), c.text);
        EXPECT_EQ(buf[c.size], 0x7E);
    }
    QRVWCHAR untouched = 0x7E;
    EXPECT_EQ(FUGetLOString(4242, &untouched, 0), 0u);
    EXPECT_EQ(untouched, 0x7E);
    UTResetStrings();
}

}  // namespace
