#include "numformat/format_support.hpp"

#include <qrvex/datetime.h>

#include <chrono>
#include <cstring>

namespace {

using qrv::test::Conventions;
using qrv::test::utf8;

enum : uint32_t {
    kSlash = 0x100,
    kDash = 0x200,
    kDot = 0x400,
    kBlank = 0x800,
    kMonthLong = 0x1000,
    kMonthShort = 0x2000,
    kMonthNumber = 0x4000,
    kYear4 = 0x8000,
    kYear2 = 0x10000,
    kHM = 0x20000,
    kHMS = 0x40000,
    k12Hours = 0x80000,
    kLetters = 0x100000,
    kDay = 0x200000,
    kWeekdayLong = 0x400000,
    kWeekdayShort = 0x800000,
};

// Julian day number of a Gregorian date, by std::chrono.
double julian_day(int y, unsigned m, unsigned d) {
    using namespace std::chrono;
    return double(sys_days(year(y) / month(m) / day(d)).time_since_epoch().count() + 2440588);
}

double at(double day, unsigned h, unsigned m, unsigned s) { return day + (h * 3600 + m * 60 + s) / 86400.0; }

// The output slot of each element, 0 for an element not shown.
constexpr uint32_t slots(uint32_t weekday, uint32_t month, uint32_t day, uint32_t year, uint32_t time) {
    return weekday | month << 3 | day << 6 | year << 9 | time << 12;
}

const double kMonday5Mar2001 = julian_day(2001, 3, 5);

struct Request {
    double value;
    uint32_t flags, positions;
    uint32_t kind = 6;
    uint32_t dayBase = 0, dateFlags = 0;
    double scale = 1;
};

struct Locale {
    uint16_t order = 0;
    char dateSeparator = '/', timeSeparator = ':';
    const char *morning = "AM", *afternoon = "PM";
    uint32_t clockOption = 0;  // option 338483
};

struct Case {
    const char *what;
    Request request;
    const char *expected;
    Locale locale = {};
};

std::string format_date_time(const Request &r, const Locale &l) {
    Conventions conventions;
    conventions.settings.DateOrder = l.order;
    conventions.settings.DateSeparator = l.dateSeparator;
    conventions.settings.TimeSeparator = l.timeSeparator;
    std::strcpy(conventions.settings.MorningDesignator, l.morning);
    std::strcpy(conventions.settings.AfternoonDesignator, l.afternoon);
    const uint32_t handle = conventions.handle();
    EXPECT_EQ(DASetOption(handle, DA_OPTION_DATE_FLAGS, &l.clockOption, sizeof l.clockOption), 0u);
    QRVWCHAR output[96];
    std::fill(std::begin(output), std::end(output), QRVWCHAR(0xBEEF));
    FUFormatDateTime(output, r.value, r.kind, r.flags, r.positions, r.dayBase, r.dateFlags, r.scale, handle);
    const auto end = std::find(output, output + 80, QRVWCHAR(0));
    EXPECT_LT(end, output + 80) << "no terminator within 80 characters";
    EXPECT_EQ(output[80], 0xBEEF);
    return utf8(output, uint32_t(end - output));
}

void expect_cases(std::initializer_list<Case> cases) {
    for (const Case &c : cases) EXPECT_EQ(format_date_time(c.request, c.locale), c.expected) << c.what;
}

TEST(DateTimeText, MonthNumbersTakeOrderAndSeparatorFromConventions) {
    const double d = kMonday5Mar2001;
    const uint32_t dmy = kDay | kMonthNumber | kYear4;
    expect_cases({
        {"month day year", {d, dmy, slots(0, 1, 2, 3, 0)}, "3/5/2001 "},
        {"day month year; given slots are rebuilt",
         {d, dmy, slots(0, 3, 3, 1, 0)},
         "5.3.2001 ",
         {.order = 1, .dateSeparator = '.'}},
        {"year month day", {d, dmy, slots(0, 1, 2, 3, 0)}, "2001-3-5 ", {.order = 2, .dateSeparator = '-'}},
        {"an unknown order places no date element", {d, dmy, slots(0, 1, 2, 3, 0)}, "", {.order = 3}},
        {"weekday first", {d, kWeekdayLong | dmy, slots(4, 1, 2, 3, 0)}, "Monday 3/5/2001 "},
        {"weekday, date and time in five slots",
         {at(d, 18, 0, 0), kWeekdayShort | dmy | kHM, slots(1, 1, 1, 1, 1), 5},
         "Mon 5/3/2001 18:00 ",
         {.order = 1}},
        {"only the requested elements take slots",
         {at(d, 18, 0, 0), kMonthNumber | kYear4 | kHM, slots(0, 2, 0, 1, 5), 5},
         "3/2001 18:00 "},
        {"separator flags give way",
         {d, kSlash | kDash | dmy, slots(0, 1, 2, 3, 0)},
         "3.5.2001 ",
         {.dateSeparator = '.'}},
        {"a short month name with the conventions' layout",
         {d, kMonthShort | kMonthNumber | kDay | kYear4, slots(0, 1, 1, 1, 0)},
         "Mar/5/2001 "},
    });
}

TEST(DateTimeText, FixedSlotsAndSeparatorFlags) {
    const double d = kMonday5Mar2001;
    const uint32_t dmy = kDay | kMonthShort | kYear4, day_month_year = slots(0, 2, 1, 3, 0);
    expect_cases({
        {"slash, long month", {d, kSlash | kDay | kMonthLong | kYear4, day_month_year}, "5/March/2001 "},
        {"dash", {d, kDash | dmy, day_month_year}, "5-Mar-2001 "},
        {"dot", {d, kDot | dmy, day_month_year}, "5.Mar.2001 "},
        {"blank", {d, kBlank | dmy, day_month_year}, "5 Mar 2001 "},
        {"slash wins", {d, kSlash | kDash | kDot | kBlank | dmy, day_month_year}, "5/Mar/2001 "},
        {"dash wins", {d, kDash | kDot | kBlank | dmy, day_month_year}, "5-Mar-2001 "},
        {"dot wins", {d, kDot | kBlank | dmy, day_month_year}, "5.Mar.2001 "},
        {"no separator", {d, dmy, day_month_year}, "5Mar2001 "},
        {"conventions' separator unused without month numbers",
         {d, dmy, day_month_year},
         "5Mar2001 ",
         {.dateSeparator = '.'}},
        {"long month name wins",
         {d, kSlash | kDay | kMonthLong | kMonthShort | kYear4, day_month_year},
         "5/March/2001 "},
        {"an empty month keeps the separator before it", {d, kSlash | kDay | kYear4, day_month_year}, "5/2001 "},
        {"an empty day adds nothing", {d, kSlash | kMonthShort | kYear4, day_month_year}, "Mar/2001 "},
        {"elements not in neighbouring slots are joined by a blank",
         {d, kSlash | kDay | kYear4, slots(0, 0, 1, 3, 0)},
         "5 2001 "},
        {"date elements around others",
         {at(d, 18, 7, 9), kDash | dmy | kHM | kWeekdayLong, slots(5, 3, 4, 2, 1), 5},
         "18:07 2001-Mar-5 Monday "},
        {"long weekday name wins", {d, kWeekdayLong | kWeekdayShort, slots(1, 0, 0, 0, 0)}, "Monday "},
        {"short weekday name", {d, kWeekdayShort, slots(1, 0, 0, 0, 0)}, "Mon "},
        {"placed but not asked for: only the year has a text", {d, 0, slots(1, 2, 3, 4, 5), 5}, "2001 "},
        {"asked for but not placed", {d, kWeekdayLong | dmy | kHMS, 0, 5}, ""},
    });
}

TEST(DateTimeText, YearDigits) {
    const uint32_t year_only = slots(0, 0, 0, 1, 0);
    expect_cases({
        {"1999 needs a year flag", {julian_day(1999, 1, 1), 0, year_only}, ""},
        {"1999 with two digits", {julian_day(1999, 12, 31), kYear2, year_only}, "99 "},
        {"four digits win", {julian_day(1999, 1, 1), kYear4 | kYear2, year_only}, "1999 "},
        {"1900 is in the two-digit range", {julian_day(1900, 1, 1), kYear2, year_only}, "00 "},
        {"1899 has four digits", {julian_day(1899, 12, 31), kYear2, year_only}, "1899 "},
        {"2000 has four digits", {julian_day(2000, 1, 1), 0, year_only}, "2000 "},
        {"2001 has four digits", {julian_day(2001, 6, 1), kYear2, year_only}, "2001 "},
        {"small years are padded", {julian_day(5, 7, 1), 0, year_only}, "0005 "},
    });
}

TEST(DateTimeText, TimeForms) {
    const double t = at(kMonday5Mar2001, 18, 7, 9), morning = at(kMonday5Mar2001, 9, 5, 3);
    const uint32_t time_only = slots(0, 0, 0, 0, 1);
    expect_cases({
        {"hours and minutes", {t, kHM, time_only, 5}, "18:07 "},
        {"with seconds", {t, kHMS, time_only, 5}, "18:07:09 "},
        {"12-hour", {t, kHM | k12Hours, time_only, 5}, "6:07 PM "},
        {"12-hour with seconds", {t, kHMS | k12Hours, time_only, 5}, "6:07:09 PM "},
        {"letters", {t, kLetters | kHM, time_only, 5}, "18h07m "},
        {"letters with seconds", {t, kLetters | kHMS, time_only, 5}, "18h07m09s "},
        {"padded minutes and seconds", {morning, kHMS, time_only, 5}, "9:05:03 "},
        {"padded with letters", {morning, kLetters | kHMS, time_only, 5}, "9h05m03s "},
        {"morning designator", {morning, kHMS | k12Hours, time_only, 5}, "9:05:03 AM "},
        {"time separator from the conventions", {t, kHMS, time_only, 5}, "18.07.09 ", {.timeSeparator = '.'}},
        {"midnight", {kMonday5Mar2001, kHM | k12Hours, time_only, 5}, "12:00 AM "},
        {"before noon", {at(kMonday5Mar2001, 11, 59, 0), kHM | k12Hours, time_only, 5}, "11:59 AM "},
        {"noon", {at(kMonday5Mar2001, 12, 0, 0), kHM | k12Hours, time_only, 5}, "12:00 PM "},
        {"both lengths: no time", {t, kHM | kHMS, time_only, 5}, ""},
        {"letters with the 12-hour clock: no time", {t, kLetters | k12Hours | kHM, time_only, 5}, ""},
        {"12-hour alone: no time", {t, k12Hours, time_only, 5}, ""},
    });
}

TEST(DateTimeText, TwelveHourClockFallsBackWithoutDesignators) {
    const double t = at(kMonday5Mar2001, 18, 7, 9), morning = at(kMonday5Mar2001, 6, 0, 0);
    const Request pm{t, kHM | k12Hours, slots(0, 0, 0, 0, 1), 5}, am{morning, kHM | k12Hours, slots(0, 0, 0, 0, 1), 5};
    expect_cases({
        {"no designators", pm, "18:07 ", {.morning = "", .afternoon = ""}},
        {"no designators, kept by the option", pm, "6:07  ", {.morning = "", .afternoon = "", .clockOption = 0x2}},
        {"other option bits do not keep it", pm, "18:07 ", {.morning = "", .afternoon = "", .clockOption = 0x1}},
        {"one designator keeps it", pm, "6:07 PM ", {.morning = ""}},
        {"the empty one is shown as nothing", am, "6:00  ", {.morning = ""}},
    });
}

TEST(DateTimeText, TimeKindTakesSecondsOrADayFraction) {
    const uint32_t time_only = slots(0, 0, 0, 0, 1);
    expect_cases({
        {"whole value counts seconds", {3661, kHMS, time_only, 7}, "1:01:01 "},
        {"fraction is the time of day", {0.5, kHMS, time_only, 7}, "12:00:00 "},
        {"day base is not used", {3661, kHMS, time_only, 7, 1000000}, "1:01:01 "},
        {"hours fold past a day", {90061, kHMS, time_only, 7}, "1:01:01 "},
        {"scaled first", {1830.5, kHMS, time_only, 7, 0, 0, 2}, "1:01:01 "},
        {"fraction of a day value", {kMonday5Mar2001 + 0.75, kLetters | kHMS, time_only, 7}, "18h00m00s "},
    });
}

TEST(DateTimeText, DayBaseScaleAndUnshowableDates) {
    const uint32_t mdy = kDay | kMonthNumber | kYear4, three = slots(0, 1, 2, 3, 0);
    expect_cases({
        {"day base added", {1, mdy, three, 6, uint32_t(kMonday5Mar2001 - 1)}, "3/5/2001 "},
        {"scaled before the day base", {kMonday5Mar2001 / 2, mdy, three, 6, 0, 0, 2}, "3/5/2001 "},
        {"counted 29 February 1900",
         {julian_day(1900, 3, 1), kWeekdayLong | mdy, slots(1, 1, 1, 1, 0), 6, 0, 1},
         "Wednesday 2/28/1900 "},
        {"no false leap day",
         {julian_day(1900, 3, 1), kWeekdayLong | mdy, slots(1, 1, 1, 1, 0), 6},
         "Thursday 3/1/1900 "},
        {"beyond the range", {4026531841.0, mdy, three, 5}, "Invalid date"},
        {"below the range", {-4026531841.0, mdy, three, 5}, "Invalid date"},
        {"beyond the range by the day base", {1, mdy, three, 6, 4026531840u}, "Invalid date"},
        {"day 0", {0, mdy, three, 5}, "Invalid date"},
        {"before the calendar", {1000, mdy, three, 6}, "Invalid date"},
    });
}

}  // namespace
