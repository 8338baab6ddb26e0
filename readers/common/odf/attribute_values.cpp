#include "attribute_values.hpp"

#include <charconv>
#include <cmath>

#include "core/named_values.hpp"

namespace qrv::import::odf {
namespace {

// Twips of each unit.
constexpr Named<double> kUnits[] = {
    {"in", 1440}, {"cm", 1440 / 2.54}, {"mm", 144 / 2.54}, {"pt", 20}, {"pc", 240}, {"px", 15},
};

// Reads a number at the front of text and removes it.
std::optional<double> take_number(std::string_view &text) {
    double value = 0;
    const char *begin = text.data();
    if (!text.empty() && text.front() == '+') ++begin;
    auto [end, ec] = std::from_chars(begin, text.data() + text.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

}  // namespace

std::optional<uint32_t> twips_of_length(std::string_view text) {
    const auto value = take_number(text);
    if (!value || *value < 0) return std::nullopt;
    const auto unit = value_named(kUnits, text);
    if (!unit || *value * *unit > 1e9) return std::nullopt;
    return static_cast<uint32_t>(std::lround(*value * *unit));
}

std::optional<double> days_of_duration(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (!text.starts_with('P')) return std::nullopt;
    text.remove_prefix(1);
    double seconds = 0;
    bool time_part = false, any = false;
    while (!text.empty()) {
        if (text.front() == 'T' && !time_part) {
            time_part = true;
            text.remove_prefix(1);
            continue;
        }
        const auto amount = take_number(text);
        if (!amount || *amount < 0 || text.empty()) return std::nullopt;
        const char designator = text.front();
        text.remove_prefix(1);
        if (!time_part && designator == 'D')
            seconds += *amount * 86400;
        else if (time_part && designator == 'H')
            seconds += *amount * 3600;
        else if (time_part && designator == 'M')
            seconds += *amount * 60;
        else if (time_part && designator == 'S')
            seconds += *amount;
        else
            return std::nullopt;
        any = true;
    }
    if (!any) return std::nullopt;
    const double days = seconds / 86400;
    return negative ? -days : days;
}

std::optional<uint32_t> colour_of(std::string_view text) {
    if (text.size() != 7 || text.front() != '#') return std::nullopt;
    uint32_t rgb = 0;
    auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return rgb;
}

std::optional<double> number_of(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const auto value = take_number(text);
    if (!value || !text.empty()) return std::nullopt;
    return value;
}

bool is_bold_weight(std::string_view weight) {
    if (weight == "bold") return true;
    const auto number = number_of(weight);
    return number && *number >= 600;
}

int8_t text_position_of(std::string_view position) {
    if (position.starts_with("super")) return 1;
    if (position.starts_with("sub")) return -1;
    const auto shift = number_of(position.substr(0, position.find('%')));
    if (!shift || *shift == 0) return 0;
    return *shift > 0 ? 1 : -1;
}

std::optional<uint32_t> half_points_of(std::string_view size) {
    const auto twips = twips_of_length(size);
    if (!twips || *twips == 0 || *twips > 4096 * 20) return std::nullopt;
    return (*twips + 5) / 10;
}

uint32_t count_of(std::string_view text, uint32_t fallback) {
    uint32_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (end != text.data() + text.size() || text.empty()) return fallback;
    if (ec == std::errc::result_out_of_range) return UINT32_MAX;
    return ec == std::errc() ? n : fallback;
}

}  // namespace qrv::import::odf
