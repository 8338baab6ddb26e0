// Numbers in the general format as spreadsheet programs show them: up to
// 15 significant digits, in fixed form where that needs no more, else in
// scientific form (1E-10, 1.5E+20).  The library's own general format keeps
// about six digits, so a sheet's general cells that need more take one of
// a few fixed definitions: "0.###…" with as many places as the value's
// magnitude leaves for 15 digits, or "0.##############E+00" ("0E+00" where
// the digits before the exponent are one: 1E-10, not 1.0E-10).
//
// The definitions must exist before a document's first section, so a
// reader asks for all of them up front (kCodes) and hands their keys here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qrv::import {

class GeneralNumbers {
public:
    // Decimal exponents shown in fixed form; the others in scientific form.
    static constexpr int kLowestFixed = -5, kHighestFixed = 14;
    static constexpr size_t kCodeCount = kHighestFixed - kLowestFixed + 3;

    // The codes, the fixed ones from the lowest exponent up, then the
    // scientific ones (one digit, then up to 15).
    static const std::array<std::string, kCodeCount> &codes();

    // keys[i] is the key of codes()[i].
    explicit GeneralNumbers(const std::array<uint32_t, kCodeCount> &keys) : keys_(keys) {}

    // The key a general cell of this value takes: 0 (the library's general
    // format) where that shows the value as a spreadsheet program does.
    uint32_t key_for(double value) const;

private:
    std::array<uint32_t, kCodeCount> keys_;
};

}  // namespace qrv::import
