#include "cell_ref.hpp"

namespace qrv::import::xlsx {
namespace {

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads the letters of a column; ref is left at what follows.
std::optional<uint32_t> take_column(std::string_view &ref) {
    if (!ref.empty() && ref.front() == '$') ref.remove_prefix(1);
    uint32_t column = 0;
    size_t n = 0;
    for (; n < ref.size() && is_letter(ref[n]); ++n) {
        column = column * 26 + static_cast<uint32_t>((ref[n] | 0x20) - 'a' + 1);
        if (column > kMaxColumns) return std::nullopt;
    }
    if (n == 0) return std::nullopt;
    ref.remove_prefix(n);
    return column - 1;
}

}  // namespace

std::optional<uint32_t> parse_column(std::string_view ref) { return take_column(ref); }

std::optional<CellRef> parse_cell(std::string_view ref) {
    const auto column = take_column(ref);
    if (!column) return std::nullopt;
    if (!ref.empty() && ref.front() == '$') ref.remove_prefix(1);
    if (ref.empty()) return std::nullopt;
    uint32_t row = 0;
    for (char c : ref) {
        if (!is_digit(c)) return std::nullopt;
        row = row * 10 + static_cast<uint32_t>(c - '0');
        if (row > kMaxRows) return std::nullopt;
    }
    if (row == 0) return std::nullopt;
    return CellRef{row - 1, *column};
}

std::optional<RangeRef> parse_range(std::string_view ref) {
    const size_t colon = ref.find(':');
    const auto first = parse_cell(ref.substr(0, colon));
    if (!first) return std::nullopt;
    if (colon == std::string_view::npos) return RangeRef{*first, *first};
    const auto last = parse_cell(ref.substr(colon + 1));
    if (!last) return std::nullopt;
    return RangeRef{*first, *last};
}

}  // namespace qrv::import::xlsx
