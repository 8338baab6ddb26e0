#include "raw_value.hpp"

#include <charconv>
#include <cmath>

#include "iso_dates.hpp"

namespace qrv::filters {

std::string number_text(double value) {
    if (!std::isfinite(value)) return "0";
    char digits[32];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return ec == std::errc() ? std::string(digits, end) : std::string("0");
}

std::string raw_value_text(const SheetCell &cell, bool date1904) {
    if (!cell.has_value) return cell.text;
    if (cell.kind == kCellTruth) return cell.value != 0 ? "TRUE" : "FALSE";
    if (cell.format)
        if (auto iso = iso_text(cell.value, cell.format->kind, date1904)) return *std::move(iso);
    return number_text(cell.value);
}

}  // namespace qrv::filters
