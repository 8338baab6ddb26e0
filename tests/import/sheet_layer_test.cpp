// The pieces the spreadsheet importers share: cell references, the
// collapsing of empty stretches (against a plain model), ISO dates
// (against std::chrono) and delimited fields.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "csv/delimited_reader.hpp"
#include "sheet/axis.hpp"
#include "sheet/day_numbers.hpp"
#include "xlsx/cell_ref.hpp"

namespace qrv::import {
namespace {

TEST(CellRef, ReferencesAndTheirBounds) {
    struct Case {
        const char *ref;
        bool ok;
        uint32_t row, column;
    } cases[] = {
        {"A1", true, 0, 0},
        {"$B$7", true, 6, 1},
        {"z26", true, 25, 25},
        {"AA1", true, 0, 26},
        {"XFD1048576", true, 1048575, 16383},
        {"XFE1", false, 0, 0},
        {"A1048577", false, 0, 0},
        {"A0", false, 0, 0},
        {"1A", false, 0, 0},
        {"A", false, 0, 0},
        {"", false, 0, 0},
        {"A1x", false, 0, 0},
        {"AAAAAAAAAAAAA1", false, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ref);
        const auto ref = xlsx::parse_cell(c.ref);
        ASSERT_EQ(ref.has_value(), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(ref->row, c.row);
        EXPECT_EQ(ref->column, c.column);
    }
    const auto range = xlsx::parse_range("B2:C9");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->last.row, 8u);
    EXPECT_FALSE(xlsx::parse_range("B2:"));
}

// Every used index lands on an entry that is not a gap and holds exactly
// it; every gap holds more than the kept stretch, and entries rise.
TEST(Axis, CollapsesLongEmptyStretchesOnly) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint32_t> used;
        uint32_t at = random() % 20;
        for (int n = random() % 30; n > 0; --n, at += 1 + random() % (random() % 2 ? 4 : 5000)) used.push_back(at);
        const Axis axis(used);
        const auto &entries = axis.entries();
        for (size_t i = 1; i < entries.size(); ++i) ASSERT_LT(entries[i - 1].source, entries[i].source);
        for (uint32_t u : used) {
            SCOPED_TRACE(u);
            const auto &e = entries[axis.place_of(u)];
            EXPECT_FALSE(e.gap);
            EXPECT_EQ(e.source, u);
        }
        for (size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].gap) continue;
            ASSERT_LT(i + 1, entries.size());
            EXPECT_GT(entries[i + 1].source - entries[i].source, Axis::kLongestKeptGap);
        }
        if (!used.empty()) {
            EXPECT_LE(entries.size(), used.size() * (Axis::kLongestKeptGap + 1));
        }
    }
}

TEST(DayNumbers, IsoDatesAgainstTheCalendar) {
    using namespace std::chrono;
    const auto day_of = [](year_month_day ymd, year_month_day base) {
        return static_cast<double>((sys_days(ymd) - sys_days(base)).count());
    };
    for (int y : {1900, 1901, 1904, 1999, 2000, 2024, 2100, 9999})
        for (unsigned m : {1u, 2u, 3u, 12u}) {
            const year_month_day ymd{year(y), month(m), day(28)};
            char text[16];
            std::snprintf(text, sizeof text, "%04d-%02u-28", y, m);
            SCOPED_TRACE(text);
            // The 1900 system counts a 29 February 1900 that never was.
            const double expected1900 = day_of(ymd, 1899y / December / 30) - (ymd < 1900y / March / 1 ? 1 : 0);
            EXPECT_EQ(day_number_of_iso(text, false), expected1900);
            EXPECT_EQ(day_number_of_iso(text, true), day_of(ymd, 1904y / January / 1));
        }
    EXPECT_EQ(day_number_of_iso("1900-01-01", false), 1.0);
    EXPECT_EQ(day_number_of_iso("2021-01-01T12:00:00", false), 44197.5);
    EXPECT_EQ(day_number_of_iso("06:00:00", false), 0.25);
    for (const char *bad : {"", "2021", "2021-13-01", "2021-01-01T25:00", "yesterday", "21-01-01"})
        EXPECT_FALSE(day_number_of_iso(bad, false)) << bad;
}

TEST(DelimitedReader, FieldsRowsAndQuotes) {
    struct Case {
        const char *name;
        std::string text;
        char separator;
        std::string fields;  // "row,column=field;" for each field
    } cases[] = {
        {"plain", "a,b\nc,d", ',', "0,0=a;0,1=b;1,0=c;1,1=d;"},
        {"quoted separators and quotes", "\"a,b\",\"say \"\"hi\"\"\"", ',', "0,0=a,b;0,1=say \"hi\";"},
        {"quoted line ends", "\"x\ny\",z\r\nw", ',', "0,0=x\ny;0,1=z;1,0=w;"},
        {"ragged rows and empty fields", "a,,c\n\nd", ',', "0,0=a;0,1=;0,2=c;1,0=;2,0=d;"},
        {"unclosed quote runs to the end", "\"abc,d\nx", ',', "0,0=abc,d\nx;"},
        {"semicolons", "1;2,5", ';', "0,0=1;0,1=2,5;"},
        {"carriage returns alone", "a\rb", ',', "0,0=a;1,0=b;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DelimitedReader reader(c.text, c.separator);
        std::string storage, got;
        std::string_view field;
        uint32_t row = 0, column = 0;
        while (reader.next(field, storage, row, column))
            got += std::to_string(row) + "," + std::to_string(column) + "=" + std::string(field) + ";";
        EXPECT_EQ(got, c.fields);
    }
    for (const char *number : {"1", "-2.5", "+3", ".5", "1e3", "1E-3", "007"})
        EXPECT_TRUE(is_plain_number(number)) << number;
    for (const char *text : {"", "-", "1.2.3", "1e", "1,000", " 1", "1 ", "0x10", "inf", "nan", "1e+"})
        EXPECT_FALSE(is_plain_number(text)) << text;
}

}  // namespace
}  // namespace qrv::import
