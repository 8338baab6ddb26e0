#include "chart_scale.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qrv::filters {
namespace {

constexpr double kFarthest = 1e300;  // values beyond are drawn at this
constexpr int kMostTicks = 50;

double nice_step(double span) {
    const double raw = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / magnitude;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * magnitude;
}

}  // namespace

ChartScale nice_scale(double low, double high, bool include_zero) {
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) low = 0, high = 1;
    low = std::clamp(low, -kFarthest, kFarthest);
    high = std::clamp(high, -kFarthest, kFarthest);
    if (include_zero) low = std::min(low, 0.0), high = std::max(high, 0.0);
    if (high - low <= std::abs(high) * 1e-12) {  // one value: a unit around it
        const double unit = high == 0 ? 1 : std::abs(high) / 2;
        high += unit;
        if (!include_zero || low != 0) low -= unit;
    }
    ChartScale scale;
    scale.step = nice_step(high - low);
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    if (scale.high <= scale.low) scale.high = scale.low + scale.step;
    scale.decimals = std::clamp(static_cast<int>(-std::floor(std::log10(scale.step) + 1e-9)), 0, 10);
    return scale;
}

double ChartScale::at(double value, double from, double to) const {
    const double f = (std::clamp(value, -kFarthest, kFarthest) - low) / (high - low);
    return from + (to - from) * (std::isfinite(f) ? f : 0);
}

std::vector<double> ChartScale::ticks() const {
    std::vector<double> ticks;
    const double count = std::round((high - low) / step);
    if (!std::isfinite(count) || count > kMostTicks) return {low, high};
    for (int i = 0; i <= static_cast<int>(count); ++i) ticks.push_back(low + step * i);
    return ticks;
}

std::string ChartScale::label(double value) const {
    if (std::abs(value) < step * 1e-9) value = 0;  // no "-0" nor "1e-17" for zero
    char digits[64];
    const bool fixed = std::abs(value) < 1e15 && step >= 1e-6;
    const auto r = fixed ? std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
                         : std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6);
    return r.ec == std::errc() ? std::string(digits, r.ptr) : std::string();
}

}  // namespace qrv::filters
