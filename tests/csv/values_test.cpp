// --csv values: numbers in full precision, truth values as words, and the
// cells whose number format shows a date or a time as ISO 8601, in either
// date system.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "golden/run_tool.hpp"

namespace {

using qrv::testing::run_tool_on_text;

// Number format definitions, keys 1 to 5: yyyy-mm-dd, hh:mm:ss,
// yyyy-mm-dd hh:mm, #,##0.00, and d mmmm yyyy (a date with month names).
constexpr const char *kDefinitions = R"(
begin NUMBER_FORMAT key=1
special 0x127
text "-"
special 0x123
text "-"
special 0x121
end
begin NUMBER_FORMAT key=2
special 0x132
special 0x129
special 0x131
special 0x12B
special 0x131
special 0x12D
end
begin NUMBER_FORMAT key=3
special 0x132
special 0x127
text "-"
special 0x123
text "-"
special 0x121
text " "
special 0x129
special 0x131
special 0x12B
end
begin NUMBER_FORMAT key=4
special 0x101
special 0x10A
special 0x101
special 0x101
special 0x100
special 0x103
special 0x100
special 0x100
end
begin NUMBER_FORMAT key=5
special 0x122
text " "
special 0x125
text " "
special 0x127
end
)";

// A sheet of one column (layout 1: dates count from 1904) whose cells
// hold the values in the formats of the keys.
std::string one_column_sheet(const std::vector<std::pair<unsigned, std::string>> &cells, unsigned layout = 0) {
    std::string text = std::string(kDefinitions) + "section kind=2\n";
    if (layout) text += "SECTION_LAYOUT " + std::to_string(layout) + "\n";
    text +=
        "COLUMN_LIST_BEGIN\nCOLUMN_ENTRY 12 0 2\nCOLUMN_LIST_END\nMERGE_LIST_BEGIN\nMERGE_LIST_END\n"
        "break PARAGRAPH\ncell-run\n";
    for (const auto &[key, value] : cells)
        text += "SS_CELL_70 0 " + std::to_string(key) + "\nvalue DOUBLE " + value + "\n";
    return text;
}

std::string csv_of(const std::string &document, const std::string &arguments) {
    auto run = run_tool_on_text(document, "--quiet -o - --format csv " + arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

TEST(CsvValues, DatesAndTimesAreIso8601AndNumbersKeepEveryDigit) {
    struct Case {
        const char *name;
        unsigned key;
        const char *value;
        unsigned layout;
        const char *csv;
    } cases[] = {
        {"a date", 1, "45356", 0, "2024-03-05"},
        {"a date's time of day is left out", 1, "45356.75", 0, "2024-03-05"},
        {"a date with month names", 5, "45356", 0, "2024-03-05"},
        {"a time of day", 2, "0.6041666666666666", 0, "14:30:00"},
        {"a time to the millisecond", 2, "0.5000028935185185", 0, "12:00:00.250"},
        {"a date and time", 3, "45356.604166666664", 0, "2024-03-05T14:30:00"},
        {"a time that rounds up to midnight is the next day", 3, "45356.999999999", 0, "2024-03-06T00:00:00"},
        {"the day before the leap day spreadsheets count", 1, "59", 0, "1900-02-28"},
        {"the leap day of 1900 that the calendar lacks", 1, "60", 0, "1900-02-29"},
        {"the day after it", 1, "61", 0, "1900-03-01"},
        {"the first day", 1, "1", 0, "1900-01-01"},
        {"the last day of year 9999", 1, "2958465", 0, "9999-12-31"},
        {"after year 9999: the day number", 1, "2958466", 0, "2958466"},
        {"before the first day: the day number", 1, "-3.5", 0, "-3.5"},
        {"day 0 of the 1900 system is no date", 1, "0", 0, "0"},
        {"day 0 of the 1904 system", 1, "0", 1, "1904-01-01"},
        {"the same day number in 1904", 1, "45356", 1, "2028-03-06"},
        {"a hidden sheet still counts from 1904", 1, "1", 3, "1904-01-02"},
        {"a time beyond the first day (a duration) stays its day number", 2, "1.5", 0, "1.5"},
        {"a number in full precision, not as shown", 4, "1234.5678901234", 0, "1234.5678901234"},
        {"the general format", 0, "0.1", 0, "0.1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(csv_of(one_column_sheet({{c.key, c.value}}, c.layout), "--csv values"), std::string(c.csv) + "\r\n");
    }
}

// The library's own formatter shows yyyy-mm-dd through its calendar; the
// ISO dates of the values come from another, so each random day number
// must give the same text both ways, in both date systems.
TEST(CsvValues, IsoDatesAgreeWithTheDatesTheFormatShows) {
    std::mt19937 random(20240305);
    for (unsigned layout : {0u, 1u}) {
        SCOPED_TRACE(layout ? "1904" : "1900");
        // From the day after the leap day 1900 lacks, or the first day of 1904, to 31 December 9999.
        std::uniform_int_distribution<int> day(layout ? 0 : 61, layout ? 2957003 : 2958465);
        std::vector<std::pair<unsigned, std::string>> cells;
        for (int i = 0; i < 300; ++i) cells.emplace_back(1, std::to_string(day(random)));
        const std::string document = one_column_sheet(cells, layout);
        EXPECT_EQ(csv_of(document, "--csv values"), csv_of(document, ""));
    }
}

}  // namespace
