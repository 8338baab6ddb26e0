// The shape most cell formats have: literal text, percent and currency
// signs around a run of integer placeholders ("0", "#") with grouping, an
// optional decimal point and fraction placeholders ("0", "#", "?").  The
// code walk over such a format needs only the number's whole part and its
// first few fraction digits.
#pragma once

#include "format/number/format_view.hpp"

#include <cstdint>

namespace qrv::numformat {

struct PlainShape {
    uint32_t integerBegin = 0;  // the first integer placeholder; the codes before it are the prefix
    uint32_t integerEnd = 0;    // the point, or else the first code of the suffix
    uint32_t fractionEnd = 0;   // the first code of the suffix
    uint32_t integerPlaces = 0;
    uint32_t fractionPlaces = 0;
    uint32_t textWidth = 0;  // the most characters prefix and suffix write
    bool point = false;
    bool grouping = false;  // a grouping token before the end of the integer part
    bool currencyInPrefix = false;
};

// True when the format's codes have that shape: the prefix holds no digit
// characters, the integer placeholders no "?" and no text between them, the
// fraction placeholders no text either; the suffix holds text, percent and
// currency signs (and grouping tokens, which do nothing there).  A format
// whose grouping would apply twice (on at its last integer placeholder and
// turned on again before its point) is not plain.  The format's counts of
// integer and fraction placeholders must be its codes'.
bool plain_shape_of(const FormatView &format, PlainShape &shape);

}  // namespace qrv::numformat
