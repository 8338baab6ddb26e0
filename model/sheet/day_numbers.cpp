#include "day_numbers.hpp"

#include <charconv>
#include <cstdint>

namespace qrv::import {
namespace {

// Days since 1 January 1970 of a date of the Gregorian calendar.
int64_t days_from_civil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// Reads a number of exactly `digits` digits and then an optional separator.
bool take(std::string_view &s, size_t digits, unsigned &out, char separator) {
    if (s.size() < digits) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + digits, out);
    if (ec != std::errc() || end != s.data() + digits) return false;
    s.remove_prefix(digits);
    if (separator && !s.empty() && s.front() == separator) s.remove_prefix(1);
    return true;
}

std::optional<double> time_of(std::string_view s) {
    unsigned h = 0, m = 0, sec = 0;
    if (!take(s, 2, h, ':') || !take(s, 2, m, ':')) return std::nullopt;
    double fraction = 0;
    if (s.size() >= 2 && take(s, 2, sec, 0) && !s.empty() && s.front() == '.') {
        double f = 0;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), f);
        if (ec == std::errc()) fraction = f, s.remove_prefix(static_cast<size_t>(end - s.data()));
    }
    if (h > 24 || m > 59 || sec > 60) return std::nullopt;
    return (h * 3600.0 + m * 60.0 + sec + fraction) / 86400.0;
}

}  // namespace

std::optional<double> day_number_of_iso(std::string_view s, bool date1904) {
    if (s.size() >= 5 && s[2] == ':') return time_of(s);
    unsigned y = 0, mo = 0, d = 0;
    if (!take(s, 4, y, '-') || !take(s, 2, mo, '-') || !take(s, 2, d, 0)) return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || d > 31) return std::nullopt;
    double time = 0;
    if (!s.empty() && (s.front() == 'T' || s.front() == ' ')) {
        s.remove_prefix(1);
        auto t = time_of(s);
        if (!t) return std::nullopt;
        time = *t;
    }
    const int64_t days = days_from_civil(y, mo, d);
    double day;
    if (date1904) {
        day = static_cast<double>(days - days_from_civil(1904, 1, 1));
    } else {
        // Day 60 is the 29 February 1900 that never was.
        day = static_cast<double>(days - days_from_civil(1899, 12, 30));
        if (day < 61) day -= 1;
    }
    return day + time;
}

}  // namespace qrv::import
