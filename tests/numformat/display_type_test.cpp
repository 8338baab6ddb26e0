#include "format_support.hpp"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <set>
#include <vector>
#include <string>

namespace {

using qrv::test::Conventions;
using qrv::test::Document;
using qrv::test::utf8;

struct Item {
    uint32_t type, places, flags;
};

// FUFormatNumber35 with a format item written into a one-item document.
std::string format35(Item item, double value, uint32_t hOptions = 0, uint32_t *pColour = nullptr) {
    Document doc("@i: ATTR_12 " + std::to_string((item.type << 16) | item.places) + " " + std::to_string(item.flags) +
                 "\n");
    QRVWCHAR output[300];
    std::memset(output, 0xEE, sizeof output);
    char work[512];
    const uint32_t length = FUFormatNumber35(doc.handle(), output, doc.id("i"), value, 0, 0, pColour, work, hOptions);
    EXPECT_EQ(output[length], 0);
    return utf8(output, length);
}

TEST(DisplayTypes, NumbersByTypePlacesAndFlags) {
    struct Case {
        Item item;
        double value;
        const char *expected;
    } cases[] = {
        {{0, 0, 0}, 0, "0"},
        {{0, 0, 0}, 1234.5, "1234.5"},
        {{0, 0, 0}, 0.5, "0.5"},
        {{0, 0, 0}, 1234567890, "1.23E+09"},
        {{0, 0, 0}, 0.00001, "0.00001"},
        {{0, 0, 0}, 0.000001, "1.00E-06"},
        {{0, 0, 0}, 100, "100"},
        {{0, 0, 0}, 100000000, "100000000"},
        {{0, 0, 0}, 1.0 / 3, "0.33333333"},
        {{0, 0, 0}, 123.456789, "123.45679"},
        {{0, 0, 0}, -2.5, "-2.5"},
        {{4, 2, 0}, 3.14159, "3.14"},
        {{4, 2, 0}, 0.999, "1.00"},
        {{4, 2, 0}, 0.0996, "0.10"},
        {{4, 2, 0}, 0.006, "0.01"},
        {{4, 2, 0}, 0.0006, "0.00"},
        {{4, 0, 0}, 0.5, "1"},
        {{4, 0, 0}, 0.4, "0"},
        {{4, 0, 0}, 0.05, "0"},
        {{4, 0, 0}, 99.5, "100"},
        {{4, 3, 0}, -1.5, "-1.500"},
        {{10, 2, 0}, 3.14159, "3.14"},
        {{12, 1, 0}, 2.25, "2.3"},  // types from 10 on are fixed
        {{3, 2, 0}, 1234, "1.23E+03"},
        {{3, 2, 0}, 0.00123, "1.23E-03"},
        {{3, 2, 0}, 0, "0.00E+00"},
        {{3, 0, 0}, 9.6, "1E+01"},
        {{3, 1, 0}, 1e100, "1.0E+100"},
        {{2, 0, 0}, 0.5, "50%"},
        {{2, 1, 0}, 0.1234, "12.3%"},
        {{4, 2, 0x8}, 1234567.891, "1,234,567.89"},
        {{4, 0, 0x8}, 123, "123"},
        {{4, 0, 0x8}, -1234, "-1,234"},
        {{4, 2, 0x1}, -5, "(5.00)"},
        {{4, 2, 0x4}, -5, "(5.00)"},
        {{4, 2, 0x2}, -5, "-5.00"},
        {{4, 2, 0x1}, 5, "5.00"},
        {{1, 2, 0}, 3, "$3.00"},
        {{1, 2, 0x9}, -1234, "($1,234.00)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(format35(c.item, c.value), c.expected) << "type " << c.item.type << " places " << c.item.places
                                                         << " flags " << c.item.flags << " value " << c.value;
}

TEST(DisplayTypes, ScaleCodes) {
    struct Case {
        uint32_t code;
        double value;
        const char *expected;
    } cases[] = {
        {0x10, 12345, "123.45"}, {0x20, 2, "10000.00"}, {0x30, 2, "1000.00"},   {0x40, 100, "5.00"},
        {0x50, 1000, "5.00"},    {0x60, 10000, "5.00"}, {0x70, 100000, "5.00"}, {0x80, 16, "1.00"},
        {0x90, 64, "1.00"},      {0xA0, 12345, "1.23"}, {0xB0, 7, "7.00"},      {0x00, 7, "7.00"},
    };
    for (const Case &c : cases) EXPECT_EQ(format35({4, 2, c.code}, c.value), c.expected) << std::hex << c.code;
    EXPECT_EQ(format35({2, 0, 0x10}, 50), "50%");  // percent multiplies the scale by 100
}

TEST(DisplayTypes, CurrencyPlacementAndSeparators) {
    struct Case {
        uint8_t placement;
        const char *symbol;
        double value;
        uint32_t flags;
        const char *expected;
    } cases[] = {
        {3, "$", -1234, 0x9, "($ 1,234.00)"}, {1, "$", 5, 0, "$5.00"},           {0, "EUR", 5, 0, "5.00EUR"},
        {2, "EUR", -5, 0, "-5.00 EUR"},       {2, "EUR", -5, 0x1, "(5.00) EUR"},  // the symbol follows the closing
                                                                                  // parenthesis
    };
    for (const Case &c : cases) {
        Conventions conventions;
        conventions.settings.CurrencyPlacement = c.placement;
        std::strcpy(conventions.settings.CurrencySymbol, c.symbol);
        EXPECT_EQ(format35({1, 2, c.flags}, c.value, conventions.handle()), c.expected);
    }
    Conventions european;
    european.settings.DecimalSeparator = ',';
    european.settings.ThousandsSeparator = '.';
    EXPECT_EQ(format35({4, 2, 0x8}, 1234567.891, european.handle()), "1.234.567,89");
    EXPECT_EQ(format35({3, 2, 0}, 1234, european.handle()), "1,23E+03");
}

TEST(DisplayTypes, NegativeColourOnlyWhenAsked) {
    struct Case {
        uint32_t flags;
        double value;
        uint32_t colour;
    } cases[] = {{0x2, -1, 255}, {0x4, -1, 255}, {0x1, -1, 7}, {0x9, -1234, 7}, {0x2, 1, 7}, {0x0, -1, 7}};
    for (const Case &c : cases) {
        uint32_t colour = 7;
        format35({4, 0, c.flags}, c.value, 0, &colour);
        EXPECT_EQ(colour, c.colour) << c.flags << " " << c.value;
    }
    format35({4, 0, 0x2}, -1, 0, nullptr);  // no colour to set
}

// The fixed form with integer digits drops its places when they and the
// digits pass the 127 rendered ones; every other form is held to them as
// well, so no count of places runs past the work buffer.
TEST(DisplayTypes, PlacesBeyondTheRenderedDigits) {
    EXPECT_EQ(format35({4, 124, 0}, 123.25), "123.25" + std::string(122, '0'));
    EXPECT_EQ(format35({4, 125, 0}, 123.25), "123");
    for (uint32_t type : {1u, 2u, 3u, 4u})
        for (uint32_t places : {127u, 128u, 1000u, 65535u})
            for (double value : {0.5, -1e-5, 123.25, -1e100})
                EXPECT_LT(format35({type, places, 0x9}, value).size(), 256u) << type << " " << places << " " << value;
}

TEST(DisplayTypes, ValuesThatCannotBeShownGiveNothing) {
    const double cases[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            1e130,
                            -1e130,
                            1e-130};
    for (double value : cases) EXPECT_EQ(format35({4, 2, 0}, value), "") << value;
}

TEST(DisplayTypes, TruthValueDatesAndTimes) {
    EXPECT_EQ(format35({8, 0, 0}, 0.5), "FALSE");  // truncated toward zero
    EXPECT_EQ(format35({8, 0, 0}, -1.5), "TRUE");
    EXPECT_EQ(format35({8, 0, 0}, 0), "FALSE");
    // Day 5, month 3 and year 2001 in slots 1, 2 and 3: 0x200000 day, 0x4000
    // month number, 0x8000 four-digit year, 0x100 separator "/".
    const uint32_t positions = (1 << 6) | (2 << 3) | (3 << 9);
    const uint32_t flags = 0x200000 | 0x4000 | 0x8000;
    Conventions conventions;
    conventions.settings.DateOrder = 1;
    conventions.settings.DateSeparator = '.';
    EXPECT_EQ(format35({6, positions, flags}, 2451974, conventions.handle()), "5.3.2001 ");
    // Kind 5 adds the time (0x20000 hours and minutes) in slot 4; kind 7 is
    // the time alone, here scaled by 1/16 (code 0x80) to 3661 seconds.
    EXPECT_EQ(format35({5, positions | 4 << 12, flags | 0x20000}, 2451974.75, conventions.handle()), "5.3.2001 18:00 ");
    EXPECT_EQ(format35({7, 1 << 12, 0x40000 | 0x80}, 58576), "1:01:01 ");
    // The same day as a packed DOS date: (2001 - 1980) << 25 | 3 << 21 | 5 << 16.
    const double dos = static_cast<double>((21u << 25) | (3u << 21) | (5u << 16));
    Document doc("@i: ATTR_12 " + std::to_string((9u << 16) | positions) + " " + std::to_string(flags) + "\n");
    QRVWCHAR output[100];
    const uint32_t length =
        FUFormatNumber35(doc.handle(), output, doc.id("i"), dos, 2444239, 0, nullptr, nullptr, conventions.handle());
    EXPECT_EQ(utf8(output, length), "5.3.2001 ");
}

TEST(TextCells, CollectTextValuesAlongAlwaysConditions) {
    Document doc(R"(
        @f: begin NUMBER_FORMAT key=1
            ATTR_60 1 600
            FORMAT_CONDITION 1 0 2
            value DOUBLE 0
            ATTR_25 250
            FORMAT_CONDITION 8 0 2
            ATTR_25 999
            end
        @g: begin NUMBER_FORMAT key=2
            ATTR_60 0 601
            end
        @loop: begin NUMBER_FORMAT key=3
            FORMAT_CONDITION 8 0 3
            end
        @lost: begin NUMBER_FORMAT key=4
            FORMAT_CONDITION 8 0 77
            end
        @open: begin NUMBER_FORMAT key=5
            ATTR_25 5
    )");
    uint32_t v60 = 0, v25 = 0;
    EXPECT_EQ(FUFormatTextCell(doc.handle(), doc.id("f"), &v60, &v25), 0u);
    EXPECT_EQ(v60, 601u);  // the target's, after the definition's own (bit 0 does not matter here)
    EXPECT_EQ(v25, 250u);
    EXPECT_EQ(FUFormatTextCell(doc.handle(), CH_NO_ITEM, &v60, &v25), 37u);
    EXPECT_EQ(FUFormatTextCell(doc.handle(), doc.id("loop"), &v60, &v25), 0u);
    EXPECT_NE(FUFormatTextCell(doc.handle(), doc.id("lost"), &v60, &v25), 0u);
    EXPECT_NE(FUFormatTextCell(doc.handle(), doc.id("open"), &v60, &v25), 0u);
    EXPECT_EQ(v25, 5u);
    CHFaultAtId(doc.handle(), CH_OP_GET_ITEM, CH_STORE_ITEMS, doc.id("f") + 1, 0x1234);
    EXPECT_EQ(FUFormatTextCell(doc.handle(), doc.id("f"), &v60, &v25), 0x1234u);
}

// Chains of always-conditions of any length: every definition sets item 25
// to its number before it goes on; the last also sets item 60.
TEST(TextCells, ChainsAreFollowedToTheirEnd) {
    for (const int length : {20, 10000}) {
        std::string text = "@first: begin NUMBER_FORMAT key=1\n";
        for (int i = 1; i <= length; ++i) {
            if (i > 1) text += "begin NUMBER_FORMAT key=" + std::to_string(i) + "\n";
            text += "ATTR_25 " + std::to_string(i) + "\n";
            text += i < length ? "FORMAT_CONDITION 8 0 " + std::to_string(i + 1) + "\n" : "ATTR_60 0 77\n";
            text += "end\n";
        }
        Document doc(text);
        uint32_t v60 = 0, v25 = 0;
        EXPECT_EQ(FUFormatTextCell(doc.handle(), doc.id("first"), &v60, &v25), 0u) << length;
        EXPECT_EQ(v25, static_cast<uint32_t>(length));
        EXPECT_EQ(v60, 77u);
    }
}

// A chain that comes back walks the definition it came back to once more,
// passing its conditions over: the items after the condition count.  The
// values are those of walking the chain once round: e0 to e4 leads back to
// e2, and item 25 is last written by e3 in the loop, not by e1 before it.
TEST(TextCells, ChainsThatComeBackStopThere) {
    Document doc(R"(
        @a: begin NUMBER_FORMAT key=1
            ATTR_25 1
            FORMAT_CONDITION 8 0 2
            ATTR_25 7
            end
        @b: begin NUMBER_FORMAT key=2
            ATTR_60 0 2
            FORMAT_CONDITION 8 0 1
            ATTR_60 0 9
            end
        @e0: begin NUMBER_FORMAT key=10
            FORMAT_CONDITION 8 0 11
            end
        @e1: begin NUMBER_FORMAT key=11
            ATTR_25 1
            FORMAT_CONDITION 8 0 12
            end
        @e2: begin NUMBER_FORMAT key=12
            FORMAT_CONDITION 8 0 13
            end
        @e3: begin NUMBER_FORMAT key=13
            ATTR_25 3
            FORMAT_CONDITION 8 0 14
            end
        @e4: begin NUMBER_FORMAT key=14
            FORMAT_CONDITION 8 0 12
            end
    )");
    const struct {
        const char *start;
        uint32_t v60, v25;
    } cases[] = {{"a", 2, 7}, {"b", 9, 1}, {"e0", 0, 3}};
    for (const auto &c : cases) {
        uint32_t v60 = 0, v25 = 0;
        EXPECT_EQ(FUFormatTextCell(doc.handle(), doc.id(c.start), &v60, &v25), 0u) << c.start;
        EXPECT_EQ(v60, c.v60) << c.start;
        EXPECT_EQ(v25, c.v25) << c.start;
    }
}

// Random definitions, each writing text values before and after an
// optional always-condition, against a plain walk that remembers every
// definition it has gone on from: the values left are those of the walk.
TEST(TextCells, ChainsAgreeWithAWalkThatRemembersEveryDefinition) {
    struct Definition {
        uint32_t before25, before60, after25;
        int target;  // 0: no condition
    };
    std::mt19937 random(16);
    auto pick = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random); };
    for (int trial = 0; trial < 500; ++trial) {
        const int count = 1 + static_cast<int>(pick(10));
        std::vector<Definition> defs(count + 1);
        std::string text;
        for (int k = 1; k <= count; ++k) {
            Definition &d = defs[k];
            const uint32_t base = 100u * static_cast<uint32_t>(k);
            d = {pick(3) ? base + 1 : 0, pick(3) ? base + 2 : 0, pick(2) ? base + 3 : 0,
                 pick(5) ? 1 + static_cast<int>(pick(count)) : 0};
            text += "@d" + std::to_string(k) + ": begin NUMBER_FORMAT key=" + std::to_string(k) + "\n";
            if (d.before25) text += "ATTR_25 " + std::to_string(d.before25) + "\n";
            if (d.before60) text += "ATTR_60 1 " + std::to_string(d.before60) + "\n";
            if (d.target) text += "FORMAT_CONDITION 8 0 " + std::to_string(d.target) + "\n";
            if (d.after25) text += "ATTR_25 " + std::to_string(d.after25) + "\n";
            text += "end\n";
        }
        const int start = 1 + static_cast<int>(pick(count));
        uint32_t want25 = 0, want60 = 0;
        std::set<int> left;
        for (int k = start;;) {
            const Definition &d = defs[k];
            if (d.before25) want25 = d.before25;
            if (d.before60) want60 = d.before60;
            if (d.target && left.insert(k).second) {
                k = d.target;
                continue;
            }
            if (d.after25) want25 = d.after25;
            break;
        }
        Document doc(text);
        uint32_t v60 = 0, v25 = 0;
        ASSERT_EQ(FUFormatTextCell(doc.handle(), doc.id(("d" + std::to_string(start)).c_str()), &v60, &v25), 0u);
        ASSERT_EQ(v25, want25) << text << "from " << start;
        ASSERT_EQ(v60, want60) << text << "from " << start;
    }
}

}  // namespace
