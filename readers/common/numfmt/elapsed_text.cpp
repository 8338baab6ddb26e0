#include "elapsed_text.hpp"

#include <qrvex/numformat.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "section_of_value.hpp"

namespace qrv::import::numfmt {
namespace {

// A day's seconds, and the most days shown (beyond, the section's
// definition shows the value).
constexpr double kSecondsADay = 86400;
constexpr double kMostDays = 1e9;

struct Clock {
    uint64_t seconds = 0;  // the whole time
    char unit = 'h';

    uint64_t hours() const { return unit == 'h' ? seconds / 3600 : seconds / 3600 % 24; }
    uint64_t minutes() const { return unit == 'm' ? seconds / 60 : seconds / 60 % 60; }
    uint64_t secs() const { return unit == 's' ? seconds : seconds % 60; }
};

void append_padded(std::string &out, uint64_t value, size_t digits) {
    const std::string number = std::to_string(value);
    if (number.size() < digits) out.append(digits - number.size(), '0');
    out += number;
}

// Appends what a token shows; false for a token elapsed time does not
// take.
bool append_token(std::string &out, uint32_t token, const Clock &clock, const Elapsed &elapsed) {
    const auto width = [&](char unit, size_t digits) { return unit == elapsed.unit ? std::max<size_t>(digits, elapsed.digits) : digits; };
    switch (token) {
    case FU_TOKEN_HOUR: append_padded(out, clock.hours(), width('h', 1)); return true;
    case FU_TOKEN_HOUR_2: append_padded(out, clock.hours(), width('h', 2)); return true;
    case FU_TOKEN_MINUTE: append_padded(out, clock.minutes(), width('m', 1)); return true;
    case FU_TOKEN_MINUTE_2: append_padded(out, clock.minutes(), width('m', 2)); return true;
    case FU_TOKEN_SECOND_2: append_padded(out, clock.secs(), width('s', 2)); return true;
    case FU_TOKEN_TIME_SEPARATOR: out += ':'; return true;
    case FU_TOKEN_DATE_SEPARATOR: out += '/'; return true;
    case FU_TOKEN_24_HOURS: return true;
    default: return false;
    }
}

}  // namespace

std::optional<std::string> elapsed_text(const Section &section, double value) {
    if (!section.elapsed || !std::isfinite(value) || std::fabs(value) >= kMostDays) return std::nullopt;
    const double shown = value_shown(section, value);
    const Clock clock{static_cast<uint64_t>(std::llround(std::fabs(shown) * kSecondsADay)), section.elapsed->unit};
    std::string text = shown < 0 && clock.seconds > 0 ? "-" : "";
    for (const Piece &piece : section.pieces) {
        if (piece.kind == Piece::Kind::kText)
            text += piece.text;
        else if (!append_token(text, piece.token, clock, *section.elapsed))
            return std::nullopt;
    }
    return text;
}

}  // namespace qrv::import::numfmt
