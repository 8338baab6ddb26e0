// The number rendered once per call: its digits as text, with the places of
// its integer, fraction and exponent digits.
#pragma once

#include "format/number/format_view.hpp"

#include <qrvex/numformat.h>

#include <cstdint>
#include <cstring>

namespace qrv::numformat {

constexpr uint32_t kWorkSize = 264;
constexpr uint32_t kSignificantDigits = 255;

// The general form shows a fraction of fewer than kGeneralLongFraction
// digits as it is, and a longer one rounded to kGeneralPlaces
// (kGeneralScientificPlaces in the scientific form).
constexpr uint32_t kGeneralLongFraction = 6;
constexpr uint32_t kGeneralPlaces = 5;
constexpr uint32_t kGeneralScientificPlaces = 2;

struct WorkNumber {
    QRVWCHAR text[kWorkSize];  // read only below length
    uint32_t length = 0;
    uint32_t intStart = 0;  // first integer digit
    uint32_t intCount = 0;
    int32_t point = -1;      // index of the point, -1 without one
    uint32_t fracCount = 0;  // digits after the point, up to the exponent
    int32_t mark = -1;       // index of the "E", -1 without one
    uint32_t expCount = 0;   // exponent digits after the sign
    int32_t exponent = 0;
    bool scientific = false;

    // Back to the freshly constructed state, in place (no temporary to
    // copy).  Nothing reads text at or past length.
    void reset() {
        length = intStart = intCount = fracCount = expCount = 0;
        point = mark = -1;
        exponent = 0;
        scientific = false;
    }

    uint32_t frac_start() const { return static_cast<uint32_t>(point + 1); }
    uint32_t exp_start() const { return static_cast<uint32_t>(mark + 2); }
};

// Where the digits of a rendering come from: the short path writes only
// those the formatted text can depend on (falling back to the full path
// where it cannot tell), the full path takes all 255 of the runtime's
// expansion.  Both give the same text; the full one is the reference.
enum class DigitPath { kShort, kFull };

// Renders value as the format wants it: fixed or scientific, trailing zeros
// dropped, the long tails of binary doubles filtered, the exponent appended.
// The short path may leave out fraction digits that no reader of the work
// number but the whole-number token looks at.
void render_number(double value, const FormatView &format, uint32_t exponentOptions, DigitPath path, WorkNumber &work);

// Cuts the fraction at its first run of four or more "0" or "9" (from its
// second digit on) when it has more than five digits; a run of "9" raises the
// digit before it.
void filter_noise(WorkNumber &work);

// Raises the digit at index by one with a decimal carry to the left across
// the point; true when the carry runs out of the leftmost digit.
bool carry_into(QRVWCHAR *text, int32_t index, int32_t first);

// The general form: sign, digits with the decimal separator, a long fraction
// rounded to 5 places (2 in scientific form), the exponent.  Returns its
// length; out has room for kWorkSize characters.
uint32_t general_text(const WorkNumber &work, bool negative, QRVWCHAR decimalSeparator, QRVWCHAR *out);

// Re-reads a general text as the work number the code walk takes digits from.
void take_general_text(const QRVWCHAR *text, uint32_t length, QRVWCHAR decimalSeparator, WorkNumber &work);

}  // namespace qrv::numformat
