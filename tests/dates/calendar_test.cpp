#include <gtest/gtest.h>
#include <qrvex/datetime.h>

#include <chrono>
#include <cmath>

namespace {

using namespace std::chrono;

// Julian day number of 1 January 1970.
constexpr int64_t kUnixEpochDay = 2440588;

TEST(Calendar, GregorianAndWeekdayMatchChronoForYears1To9999) {
    const sys_days first = sys_days(year(1) / January / 1), last = sys_days(year(9999) / December / 31);
    for (sys_days d = first; d <= last; d += days(1)) {
        const year_month_day ymd(d);
        const uint32_t dn = uint32_t(d.time_since_epoch().count() + kUnixEpochDay);
        int32_t day, month, yr;
        FUj2g(dn, &day, &month, &yr);
        ASSERT_EQ(day, int(unsigned(ymd.day()))) << dn;
        ASSERT_EQ(month, int(unsigned(ymd.month()))) << dn;
        ASSERT_EQ(yr, int(ymd.year())) << dn;
        ASSERT_EQ(FUWeekday(dn), weekday(d).iso_encoding() - 1) << dn;
    }
}

// The Julian calendar walked one day at a time from 1 January of year 1.
TEST(Calendar, JulianCalendarMatchesADayByDayWalk) {
    int day = 1, month = 1, yr = 1;
    const uint32_t last = 1721424 + 3652500;
    for (uint32_t dn = 1721424; dn < last; ++dn) {
        int32_t d, m, y;
        FUj2j(dn, &d, &m, &y);
        ASSERT_TRUE(d == day && m == month && y == yr) << dn << ": " << d << "." << m << "." << y;
        static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int length = lengths[month - 1] + (month == 2 && yr % 4 == 0);
        if (++day > length) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++yr;
            }
        }
    }
}

TEST(Calendar, DocumentedDaysAndEdges) {
    struct Case {
        uint32_t dn;
        int32_t day, month, year;
    };
    const Case cases[] = {{2451545, 1, 1, 2000}, {2444240, 1, 1, 1980}, {2415020, 31, 12, 1899},
                          {0, 0, 0, 0},          {1721120, 1, 3, 0},    {1721119, 0, 0, 0},
                          {5, 0, 0, 0},          {4294967295u, 0, 0, 0}};
    for (const Case &c : cases) {
        int32_t d = -1, m = -1, y = -1;
        FUj2g(c.dn, &d, &m, &y);
        if (c.dn == 4294967295u) {  // far future: still a valid date, no overflow
            EXPECT_TRUE(d >= 1 && d <= 31 && m >= 1 && m <= 12 && y > 11000000) << y;
            continue;
        }
        EXPECT_EQ((std::array{d, m, y}), (std::array{c.day, c.month, c.year})) << c.dn;
    }
    int32_t d, m, y;
    FUj2j(1721423, &d, &m, &y);
    EXPECT_EQ((std::array{d, m, y}), (std::array{0, 0, 0}));
    EXPECT_EQ(FUWeekday(2445128), 0u);
    EXPECT_EQ(FUWeekday(2445127), 6u);
    EXPECT_LT(FUWeekday(0), 7u);
}

TEST(Calendar, JulianToDateWithThePhantomLeapDay) {
    struct Case {
        uint32_t dn, flags;
        int32_t day, month, year, weekday;
    };
    const Case cases[] = {
        {2415080, 1, 28, 2, 1900, 2}, {2415080, 0, 1, 3, 1900, 3}, {2415079, 1, 28, 2, 1900, 2},
        {1721424, 0, 30, 12, 0, 5},   {1721423, 0, 0, 0, 0, 4},    {0, 1, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        int32_t d, m, y, w;
        FUConvertJulianToDate(c.dn, &d, &m, &y, &w, c.flags);
        EXPECT_EQ((std::array{d, m, y, w}), (std::array{c.day, c.month, c.year, c.weekday})) << c.dn;
    }
}

TEST(TimeOfDay, SecondsAndDayFractions) {
    struct SecondsCase {
        uint32_t seconds, hour, minute, second;
    };
    for (const SecondsCase &c :
         {SecondsCase{90061, 1, 1, 1}, {0, 0, 0, 0}, {86399, 23, 59, 59}, {4294967295u, 6, 28, 15}}) {
        uint32_t h, m, s;
        FUConvertSecondsToTime(c.seconds, &h, &m, &s);
        EXPECT_EQ((std::array{h, m, s}), (std::array{c.hour, c.minute, c.second})) << c.seconds;
    }
    struct FractionCase {
        double value;
        uint32_t seconds;
        int32_t hundredths;
    };
    const FractionCase fractions[] = {
        {0.5, 43200, 0},
        {12345.5, 43200, 0},
        {1.567 / 86400, 2, 56},  // 1.567 s: rounds to 2, hundredths truncated
        {1.447 / 86400, 1, 44},
        {0.99999999, 86400, 99},                  // rounds up to a whole day
        {-0.5, (uint32_t(-432000) + 5) / 10, 0},  // negative fractions wrap
    };
    for (const FractionCase &c : fractions) {
        int32_t hundredths = -1;
        EXPECT_EQ(FUConvertJulianToSeconds(c.value, &hundredths), c.seconds) << c.value;
        EXPECT_EQ(hundredths, c.hundredths) << c.value;
    }
}

uint32_t dos_word(int yr, unsigned month, unsigned day, unsigned h, unsigned m, unsigned s) {
    return uint32_t(yr - 1980) << 25 | month << 21 | day << 16 | h << 11 | m << 5 | s / 2;
}

TEST(DosDate, EveryDayOf1980To2107) {
    const sys_days origin = sys_days(year(1979) / December / 31);
    unsigned tick = 0;
    for (sys_days d = sys_days(year(1980) / January / 1); d <= sys_days(year(2107) / December / 31); d += days(1)) {
        const year_month_day ymd(d);
        const unsigned h = tick % 24, m = tick * 7 % 60, s = tick * 13 % 60 & ~1u;
        ++tick;
        double v = dos_word(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()), h, m, s);
        FUConvertDosDateToSODate(&v);
        // Every year divisible by four counts as a leap year, 2100 too.
        const bool past_2100_leap_day = d > sys_days(year(2100) / February / 28);
        const double whole = double((d - origin).count() + past_2100_leap_day);
        ASSERT_EQ(std::floor(v), whole) << int(ymd.year()) << "-" << unsigned(ymd.month()) << "-"
                                        << unsigned(ymd.day());
        ASSERT_NEAR(v - whole, (h * 3600 + m * 60 + s) / 86400.0, 1e-9);
    }
}

TEST(DosDate, DocumentedWordsAndOddMonths) {
    struct Case {
        uint32_t word;
        double so_date;
    };
    const Case cases[] = {
        {dos_word(1980, 1, 1, 0, 0, 0), 1.0},   {dos_word(1980, 12, 31, 0, 0, 0), 366.0},
        {dos_word(1981, 1, 1, 0, 0, 0), 367.0}, {dos_word(1980, 1, 1, 12, 0, 0), 1.5},
        {dos_word(1980, 0, 1, 0, 0, 0), 1.0},   {dos_word(1980, 15, 1, 0, 0, 0), 336.0},
    };
    for (const Case &c : cases) {
        double v = c.word;
        FUConvertDosDateToSODate(&v);
        EXPECT_EQ(v, c.so_date) << std::hex << c.word;
    }
    double nan = NAN;
    FUConvertDosDateToSODate(&nan);
    EXPECT_EQ(nan, 0.0);  // read as the word 0: day 0 + 365 * 0
}

}  // namespace
