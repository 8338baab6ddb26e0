#include "general_numbers.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace qrv::import {
namespace {

// What the library's general format shows as a spreadsheet program does.
constexpr int kLibraryDigits = 6, kLibraryLowestExponent = -4;
constexpr size_t kLibraryDecimals = 5;

std::string fixed_code(int exponent) {
    const int places = GeneralNumbers::kHighestFixed - exponent;
    return places > 0 ? "0." + std::string(static_cast<size_t>(places), '#') : "0";
}

std::array<std::string, GeneralNumbers::kCodeCount> make_codes() {
    std::array<std::string, GeneralNumbers::kCodeCount> codes;
    for (int e = GeneralNumbers::kLowestFixed; e <= GeneralNumbers::kHighestFixed; ++e)
        codes[static_cast<size_t>(e - GeneralNumbers::kLowestFixed)] = fixed_code(e);
    codes[GeneralNumbers::kCodeCount - 2] = "0E+00";
    codes.back() = "0.##############E+00";
    return codes;
}

// 10 to the power n, for n from -9 to 9.
double power_of_ten(int n) {
    static constexpr double kPowers[] = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1,
                                         1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9};
    return kPowers[n + 9];
}

// The magnitude (its decimal exponent e from -4 to 14) has at most six
// significant digits.
bool fits_library_digits(double magnitude, int e) {
    const double scaled = magnitude * power_of_ten(kLibraryDigits - 1 - e);
    return std::fabs(scaled - std::nearbyint(scaled)) <= scaled * 1e-12;
}

// The library's general form works on the double's exact digits: it shows
// at most five decimals, and ends the fraction at a run of four zeros or
// nines (0.20001 is 0.2000099999…, shown as 0.2).  So a value of six
// digits shows whole only where its fraction has at most five digits and
// no run of three zeros or nines that the exact digits could lengthen.
bool library_general_shows(double magnitude, int e) {
    if (!fits_library_digits(magnitude, e)) return false;
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", std::max(0, kLibraryDigits - 1 - e), magnitude);
    std::string_view fraction(text);
    const size_t point = fraction.find('.');
    if (point == std::string_view::npos) return true;
    fraction.remove_prefix(point + 1);
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    return fraction.size() <= kLibraryDecimals && fraction.find("000") == std::string_view::npos &&
           fraction.find("999") == std::string_view::npos;
}

// The value's digits before its exponent are a single digit (to 15
// significant digits): 1E-10, 5E+20.
bool single_digit_mantissa(double magnitude, int e) {
    const double mantissa = magnitude / std::pow(10.0, e);
    return std::fabs(mantissa - std::nearbyint(mantissa)) <= mantissa * 1e-14;
}

}  // namespace

const std::array<std::string, GeneralNumbers::kCodeCount> &GeneralNumbers::codes() {
    static const auto codes = make_codes();
    return codes;
}

// Cheap for the common cells: whole numbers and short decimals take the
// library's general format without any text being made.
uint32_t GeneralNumbers::key_for(double value) const {
    if (value == 0 || !std::isfinite(value)) return 0;
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && value == std::trunc(value)) return 0;
    const int e = static_cast<int>(std::floor(std::log10(magnitude)));
    if (e < kLowestFixed || e > kHighestFixed)
        return single_digit_mantissa(magnitude, e) ? keys_[kCodeCount - 2] : keys_.back();
    if (e >= kLibraryLowestExponent && library_general_shows(magnitude, e)) return 0;
    return keys_[static_cast<size_t>(e - kLowestFixed)];
}

}  // namespace qrv::import
