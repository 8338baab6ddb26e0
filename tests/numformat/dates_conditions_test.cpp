#include "format_support.hpp"

#include <qrvplatform/platform.h>

#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using qrv::test::Conventions;
using qrv::test::definition;
using qrv::test::Document;
using qrv::test::format_number;
using qrv::test::FormatCall;

// Julian day numbers.
constexpr double k1Jan2000 = 2451545;   // a Saturday
constexpr double k5Feb2000 = 2451580;   // a Saturday
constexpr double k28Feb1900 = 2415079;  // a Wednesday
constexpr double k31Dec1899 = 2415020;

constexpr const char *kDayMonthYear = "{121}{130}{123}{130}{127}";

TEST(DateFormats, CalendarFields) {
    struct Case {
        const char *pattern;
        double value;
        const char *expected;
    } cases[] = {
        {kDayMonthYear, k1Jan2000, "01/01/2000"},
        {"{122}{130}{124}{130}{128}", k5Feb2000, "5/2/00"},
        {"{128}", 2451180, "99"},  // 1 January 1999
        {"{120}\" \"{133}", k1Jan2000, "Sat Saturday"},
        {"{125}\" \"{126}\" \"{13A}", k5Feb2000, "February Feb F"},
        {"{134}", k1Jan2000, "Saturday,January 1, 2000"},
        {"{135}", k5Feb2000, "2/5/00"},
        {"{121}.{123}", k5Feb2000, "05.02"},  // a point in a date format writes "."
        {kDayMonthYear, 0, "Invalid date"},   // day 0 has no calendar date
        {kDayMonthYear, 5e9, "Invalid date"},
        {kDayMonthYear, -0.5, "00/00/0000"},  // negative and not whole: no fields
    };
    for (const Case &c : cases) {
        Document doc(definition(c.pattern));
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), c.value), c.expected) << c.pattern << " " << c.value;
    }
}

TEST(DateFormats, ShortDateFollowsDateOrder) {
    struct Case {
        uint16_t order;
        char separator;
        const char *expected;
    } cases[] = {{0, '/', "2/5/00"}, {1, '.', "5.2.00"}, {2, '-', "00-2-5"}, {7, '/', "2/5/00"}};
    Document doc(definition("{135}\" \"{121}{130}{123}"));
    for (const Case &c : cases) {
        Conventions conventions;
        conventions.settings.DateOrder = c.order;
        conventions.settings.DateSeparator = c.separator;
        FormatCall call;
        call.hOptions = conventions.handle();
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), k5Feb2000, call),
                  std::string(c.expected) + " 05" + c.separator + "02");
    }
}

TEST(DateFormats, DayBaseAndFalseLeapDay) {
    struct Case {
        uint32_t dayBase, dateFlags;
        double value;
        const char *expected;
    } cases[] = {
        {2415020, 1, 36526, "Saturday 1 January 2000"},  // serial days that count 29 February 1900
        {2415020, 0, 36526, "Sunday 2 January 2000"},    {0, 0, k28Feb1900, "Wednesday 28 February 1900"},
        {0, 1, k28Feb1900, "Tuesday 28 February 1900"},  // own date, weekday of the day before
        {0, 0, k28Feb1900 + 1, "Thursday 1 March 1900"}, {0, 1, k28Feb1900 + 1, "Wednesday 28 February 1900"},
        {0, 0, k31Dec1899, "Sunday 31 December 1899"},
    };
    Document doc(definition("{133}\" \"{122}\" \"{125}\" \"{127}"));
    for (const Case &c : cases) {
        FormatCall call;
        call.dayBase = c.dayBase;
        call.dateFlags = c.dateFlags;
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), c.value, call), c.expected) << c.value;
    }
}

TEST(TimeFormats, ClockFields) {
    const double minute = 1.0 / 1440, second = 1.0 / 86400;
    struct Case {
        const char *pattern;
        double value;
        const char *expected;
    } cases[] = {
        {"{12A}{131}{12B}\" \"{12F}", 0.5, "12:00 PM"},
        {"{12A}{131}{12B}\" \"{12F}", 0, "12:00 AM"},
        {"{12A}{131}{12B}\" \"{12F}", 13 * 60 * minute + 5 * minute, "1:05 PM"},
        {"{129}{131}{12B}", 0, "12:00"},
        {"{129}{131}{12B}", 13 * 60 * minute + 5 * minute, "01:05"},
        {"{132}{129}{131}{12B}", 0, "00:00"},
        {"{132}{129}{131}{12B}", 13 * 60 * minute + 5 * minute, "13:05"},
        {"{12A}{131}{12B}{131}{12D}", 45296 * second, "12:34:56"},
        {"{12A}{131}{12C}", 12 * 60 * minute + 5 * minute, "12:5"},
        {"{12A}{131}{12B}", k1Jan2000 + 0.25, "6:00"},  // a time format shows the time of day only
        {"{12A}{131}{12B}", 5e9, "12:00"},
        {"{121}{130}{123}{130}{127}\" \"{12A}{131}{12B}", k1Jan2000 + 0.75, "01/01/2000 6:00"},
    };
    for (const Case &c : cases) {
        Document doc(definition(c.pattern));
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), c.value), c.expected) << c.pattern << " " << c.value;
    }
}

TEST(TimeFormats, SeparatorsAndDesignatorsFromConventions) {
    Conventions conventions;
    conventions.settings.TimeSeparator = '.';
    std::strcpy(conventions.settings.MorningDesignator, "vm");
    std::strcpy(conventions.settings.AfternoonDesignator, "nm");
    FormatCall call;
    call.hOptions = conventions.handle();
    Document doc(definition("{12A}{131}{12B}{12F}"));
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 0.25, call), "6.00vm");
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 0.75, call), "6.00nm");
}

// Definition @f (key 1) starts with a condition comparing the value with 0;
// its target is definition key 2, which shows the value in parentheses.
std::string conditional(const char *test, const char *data1, const char *comparand = "0") {
    return std::string("@f: begin NUMBER_FORMAT key=1\nFORMAT_CONDITION ") + test + " " + data1 + " 2\nvalue DOUBLE " +
           comparand + "\n" + qrv::test::definition_lines("0\" own\"") + "end\n@g: begin NUMBER_FORMAT key=2\n" +
           qrv::test::definition_lines("\"(\"0\")\"") + "end\n";
}

TEST(Conditions, TestsPickTheTargetDefinition) {
    struct Case {
        const char *test;
        const char *data1;  // bit 0 set: the target gets the value with its sign
        double value;
        const char *expected;
    } cases[] = {
        {"1", "0", -5, "(5)"},       {"1", "0", 5, "5 own"}, {"1", "1", -5, "-(5)"},   {"2", "0", 3, "(3)"},
        {"2", "0", 0, "0 own"},      {"3", "0", 0, "(0)"},   {"3", "0", 1, "1 own"},   {"4", "0", 0, "(0)"},
        {"4", "0", 1, "1 own"},      {"5", "0", 0, "(0)"},   {"5", "0", -1, "-1 own"}, {"6", "0", 2, "(2)"},
        {"6", "0", 0, "0 own"},      {"8", "0", -7, "(7)"},  {"7", "0", -7, "-7 own"}, {"9", "0", 1, "1 own"},
        {"0x20001", "0", -2, "(2)"},  // only the low 16 bits are the test
    };
    for (const Case &c : cases) {
        Document doc(conditional(c.test, c.data1));
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), c.value), c.expected) << c.test << " " << c.value;
    }
}

TEST(Conditions, ComparandIsTheFollowingDataValue) {
    Document doc(conditional("5", "1", "100"));
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 150), "(150)");
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 99.5), "100 own");
}

TEST(Conditions, CellTagTargetAndMissingTargets) {
    Document doc(R"(
        @f: begin NUMBER_FORMAT key=1
            FORMAT_CONDITION 0x10008 0 7
            value DOUBLE 0
            text "own"
            end
        @other: begin SS_CELL 6
            text "wrong cell"
            end
        @cell: begin SS_CELL 7
            text "cell "
            special 0x100
            end
        @lost: begin NUMBER_FORMAT key=3
            FORMAT_CONDITION 8 0 99
            value DOUBLE 0
            special 0x100
            text " kept"
            end
    )");
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), -3), "cell 3");
    EXPECT_EQ(format_number(doc.handle(), doc.id("lost"), 4), "4 kept");  // no key 99
}

// A chain of n definitions, each with a condition that always holds and
// passes the value on as it is: the first (@first) by its key in the tag
// list, or by the number of the spreadsheet cell tag that follows it.  Only
// the last shows the value.
std::string condition_chain(int n, bool by_cell_tag) {
    std::string text = "@first: begin NUMBER_FORMAT key=1\n";
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            text += by_cell_tag ? "begin SS_CELL " + std::to_string(i) + "\n"
                                : "begin NUMBER_FORMAT key=" + std::to_string(i) + "\n";
        if (i < n)
            text += std::string("FORMAT_CONDITION ") + (by_cell_tag ? "0x10008" : "8") + " 1 " + std::to_string(i + 1) +
                    "\nvalue DOUBLE 0\n" + qrv::test::definition_lines("\"d\"");
        else
            text += qrv::test::definition_lines("\"end \"0");
        text += "end\n";
    }
    return text;
}

TEST(Conditions, ChainsAreFollowedToTheirEnd) {
    const struct {
        int length;
        bool by_cell_tag;
    } cases[] = {{2, false}, {20, false}, {20, true}, {10000, true}};
    for (const auto &c : cases) {
        Document doc(condition_chain(c.length, c.by_cell_tag));
        EXPECT_EQ(format_number(doc.handle(), doc.id("first"), -7), "-end 7") << c.length;
    }
}

// Chains that come back to a definition with the value they left it with
// format that definition without its conditions.  @a hands on the absolute
// value, @b the value as it is.
TEST(Conditions, ChainsThatComeBackStopThere) {
    Document doc(R"(
        @a: begin NUMBER_FORMAT key=1
            FORMAT_CONDITION 8 0 2
            value DOUBLE 0
            text "a"
            end
        @b: begin NUMBER_FORMAT key=2
            FORMAT_CONDITION 8 1 1
            value DOUBLE 0
            text "b"
            end
        @self: begin NUMBER_FORMAT key=5
            FORMAT_CONDITION 8 0 5
            value DOUBLE 0
            text "self"
            end
    )");
    const struct {
        const char *start;
        double value;
        const char *expected;
    } cases[] = {
        {"a", 1, "a"},
        {"b", 1, "b"},
        {"self", 1, "self"},
        {"self", -1, "self"},
        {"a", -1, "b"},  // a gets -1 only once; b with 1 is the first to come back
        {"b", -1, "b"},  // b -1, a -1, b 1, a 1, b 1: b with 1 came back
        {"a", std::nan(""), "a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(format_number(doc.handle(), doc.id(c.start), c.value), c.expected) << c.start << " " << c.value;
}

// Random definitions, each with an optional always-condition that hands on
// the value as it is or its absolute value, against a plain walk that
// remembers every definition and value it has gone on from.
TEST(Conditions, ChainsAgreeWithAWalkThatRemembersEveryStep) {
    struct Definition {
        int target;  // 0: no condition
        bool keeps_sign;
    };
    std::mt19937 random(8);
    auto pick = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random); };
    for (int trial = 0; trial < 300; ++trial) {
        const int count = 1 + static_cast<int>(pick(7));
        std::vector<Definition> defs(count + 1);
        std::string text;
        for (int k = 1; k <= count; ++k) {
            defs[k] = {pick(5) ? 1 + static_cast<int>(pick(count)) : 0, pick(2) == 0};
            text += "@d" + std::to_string(k) + ": begin NUMBER_FORMAT key=" + std::to_string(k) + "\n";
            if (defs[k].target)
                text += std::string("FORMAT_CONDITION 8 ") + (defs[k].keeps_sign ? "1 " : "0 ") +
                        std::to_string(defs[k].target) + "\nvalue DOUBLE 0\n";
            text += "text \"d" + std::to_string(k) + "\"\nend\n";
        }
        const int start = 1 + static_cast<int>(pick(count));
        const double value = pick(2) ? -3.0 : 3.0;
        int k = start;
        std::set<std::pair<int, double>> left;
        for (double v = value; defs[k].target && left.insert({k, v}).second;) {
            if (!defs[k].keeps_sign) v = std::fabs(v);
            k = defs[k].target;
        }
        Document doc(text);
        ASSERT_EQ(format_number(doc.handle(), doc.id(("d" + std::to_string(start)).c_str()), value),
                  "d" + std::to_string(k))
            << text << "from " << start << " with " << value;
    }
}

TEST(TextValues, HandedBackWhenTheDefinitionSetsThem) {
    struct Case {
        const char *items;
        uint32_t want60, want25;
    } cases[] = {
        {"ATTR_60 0 1234\nATTR_25 77\n", 1234, 77},
        {"ATTR_60 1 1234\n", 11, 0},  // bit 0 set: not a text value of the format
        {"", 11, 0},
    };
    for (const Case &c : cases) {
        Document doc(std::string("@f: begin NUMBER_FORMAT key=1\n") + c.items + "special 0x100\nend\n");
        FormatCall call;
        call.textValue60 = 11;
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 5, call), "5");
        EXPECT_EQ(call.textValue60, c.want60);
        EXPECT_EQ(call.textValue25, c.want25);
    }
}

class CachedFormats : public ::testing::Test {
protected:
    void SetUp() override {
        MUInit(&context_);
        MUCacheInit(4, 2, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &context_);
        call_.cache = &cache_;
    }
    void TearDown() override { MUCacheDeinit(&cache_, &context_); }

    MUContext context_{};
    MUCache cache_{};
    FormatCall call_;
};

TEST_F(CachedFormats, SecondCallReadsNoItems) {
    Document doc(definition("#,##0.00"));
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 1234.5, call_), "1,234.50");
    const uint32_t reads = doc.calls(CH_OP_GET_ITEM);
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), -7, call_), "-7.00");
    EXPECT_EQ(doc.calls(CH_OP_GET_ITEM), reads);
    EXPECT_EQ(cache_.Count, 1);
}

TEST_F(CachedFormats, ConditionalAndCutOffDefinitionsAreNotKept) {
    Document doc(conditional("1", "0"));
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 5, call_), "5 own");
    EXPECT_EQ(format_number(doc.handle(), doc.id("f"), -5, call_), "(5)");
    EXPECT_EQ(cache_.Count, 1);  // only the target, which has no condition
    Document cut(definition("0.00"));
    CHFaultAtId(cut.handle(), CH_OP_GET_ITEM, CH_STORE_ITEMS, cut.id("f") + 4, 0x77);
    EXPECT_EQ(format_number(cut.handle(), cut.id("f"), 2.5, call_), "2.5");  // shows what was read
    EXPECT_EQ(MUCacheRetrieve(cut.id("f"), &cache_), nullptr);
}

TEST_F(CachedFormats, FailingAllocationsStillFormatAndLeakNothing) {
    const size_t live = QrvGlobalLiveBlocks();
    Document doc(definition("0.0"));
    for (uint32_t failAt = 1; failAt <= 4; ++failAt) {
        QrvGlobalFailAfter(failAt);
        EXPECT_EQ(format_number(doc.handle(), doc.id("f"), 0.25, call_), "0.3") << failAt;
        QrvGlobalFailAfter(0);
    }
    MUCacheDeinit(&cache_, &context_);
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
    MUCacheInit(4, 2, sizeof(FUNumberFormat), 0, 0, &cache_, &context_);
}

}  // namespace
