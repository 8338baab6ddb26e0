#include "iso_dates.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace qrv::filters {
namespace {

using namespace std::chrono;

constexpr int64_t kMillisecondsADay = 86'400'000;
constexpr int64_t kMissingLeapDay = 60;  // 29 February 1900, counted by the 1900 system
constexpr double kLastDay = 2'958'465;   // 31 December 9999 in the 1900 system

std::string date_text(int64_t day, bool date1904) {
    if (!date1904 && day == kMissingLeapDay) return "1900-02-29";
    const sys_days first = date1904 ? sys_days(1904y / January / 1) : sys_days(1899y / December / 31);
    const int64_t offset = !date1904 && day > kMissingLeapDay ? day - 1 : day;
    const year_month_day date(first + days(offset));
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string time_text(int64_t milliseconds) {
    char text[16];
    const auto seconds = milliseconds / 1000;
    const int written = std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    if (milliseconds % 1000 != 0)
        std::snprintf(text + written, sizeof text - written, ".%03d", static_cast<int>(milliseconds % 1000));
    return text;
}

}  // namespace

std::optional<std::string> iso_text(double value, ValueKind kind, bool date1904) {
    if (kind == ValueKind::Number || !std::isfinite(value)) return std::nullopt;
    const double first = date1904 ? 0 : 1;
    const double last = date1904 ? kLastDay - 1462 : kLastDay;
    if (kind == ValueKind::Time ? value < 0 || value >= 1 : value < first || value >= last + 1) return std::nullopt;
    const auto whole = static_cast<int64_t>(std::floor(value));
    int64_t day = whole;
    int64_t milliseconds = std::llround((value - static_cast<double>(whole)) * kMillisecondsADay);
    if (milliseconds >= kMillisecondsADay) ++day, milliseconds -= kMillisecondsADay;
    switch (kind) {
    case ValueKind::Date: return date_text(day, date1904);
    case ValueKind::Time: return time_text(milliseconds % kMillisecondsADay);
    default: return date_text(day, date1904) + "T" + time_text(milliseconds);
    }
}

}  // namespace qrv::filters
