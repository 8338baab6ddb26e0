// The number as the code walk reads it, for formats in fixed form: the
// whole part and the fraction digits of the rendering, made from a split
// of the double (fixed_split.hpp) by the renderer's own steps.
//
// Which fraction digits the text depends on is worked out at the top of
// render.cpp: with L the digits the walk reads (the fraction placeholders
// and the one it rounds on; six for the general form), the first L + 4
// fraction digits and whether any later digit is not 0.
#pragma once

#include "format/number/decimal_digits.hpp"
#include "format/number/fixed_split.hpp"

#include <cstdint>

namespace qrv::numformat {

// Fraction digits to split off beyond those read: where a run of the noise
// filter may lie.
constexpr uint32_t kRunLookahead = 4;

struct PlainNumber {
    uint64_t whole;
    char fraction[kSplitPlacesMax + 1 + kDigitPieceSize];
    uint32_t fractionCount;
};

inline uint32_t whole_digit_count(uint64_t whole) { return whole == 0 ? 1 : digit_count(whole); }

// The renderer's fixed form of a split of `places` digits: trailing zeros
// dropped, `shown` places kept when the fraction is no longer (formats with
// fraction placeholders), then the noise filter.
void render_plain(const FixedSplit &split, uint32_t places, uint32_t shown, PlainNumber &n);

// Rounds what is read on the fraction digit after the first `shown` (raised
// when it is 5 or more, the carry running into the whole part); the
// digits after it are not read again.
void round_after(PlainNumber &n, uint32_t shown);

// Rendering and rounding at once, for most values: a split of shown + 5
// digits (shown <= 3) with later digits.  False where that does not apply.
bool render_and_round(const FixedSplit &split, uint32_t shown, PlainNumber &n);

}  // namespace qrv::numformat
