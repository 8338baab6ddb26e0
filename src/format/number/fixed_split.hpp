// A double split at its decimal point, exactly: the whole part and the
// first few fraction digits, from the binary mantissa in fixed-point
// arithmetic, for the magnitudes everyday cells hold.
#pragma once

#include <cstdint>

namespace qrv::numformat {

// The most fraction digits a split gives.
constexpr uint32_t kSplitPlacesMax = 19;

struct FixedSplit {
    uint64_t whole = 0;     // below 10^19
    uint64_t fraction = 0;  // the first `places` fraction digits, as a number below 10^places
    bool later = false;     // a fraction digit after those is not 0
};

// Splits |value|, times 100 when `percent` is set, keeping places
// (<= kSplitPlacesMax) fraction digits.  False, and split unusable, for
// values outside the range: not finite, subnormal, a whole part of 10^19 or
// more, or below 2^-71 or so (more than 124 fraction bits, whose exact
// expansion the renderer may no longer hold whole).  Zero splits into
// zeros.
bool split_fixed(double value, bool percent, uint32_t places, FixedSplit &split);

}  // namespace qrv::numformat
