#include "raw_value.hpp"

#include <charconv>
#include <cmath>

namespace qrv::filters {

std::string number_text(double value) {
    if (!std::isfinite(value)) return "0";
    char digits[32];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return ec == std::errc() ? std::string(digits, end) : std::string("0");
}

std::string raw_value_text(const SheetCell &cell) {
    if (!cell.has_value) return cell.text;
    if (cell.kind == kCellTruth) return cell.value != 0 ? "TRUE" : "FALSE";
    return number_text(cell.value);
}

}  // namespace qrv::filters
