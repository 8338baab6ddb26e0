// What the content of a bracket in a format code means: a colour ([Red],
// [Color12]), a condition ([>=100]), a currency symbol with its locale
// ([$€-407]), a locale alone ([$-409]), or elapsed time ([h], [mm], [ss]).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format_model.hpp"

namespace qrv::import::numfmt {

struct Bracket {
    enum class Kind : uint8_t { kColour, kCondition, kCurrency, kLocale, kElapsed, kUnknown, kMalformed };
    Kind kind = Kind::kUnknown;
    uint32_t colour = 0;  // kColour: 0x00RRGGBB
    Condition condition;  // kCondition
    std::string symbol;   // kCurrency
    char letter = 0;      // kElapsed: h, m or s
    uint32_t count = 0;   // kElapsed: how many times the letter stands
};

Bracket read_bracket(std::string_view content);

}  // namespace qrv::import::numfmt
