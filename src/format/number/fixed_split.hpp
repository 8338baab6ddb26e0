// A double split at its decimal point, exactly: the whole part and the
// first few fraction digits, from the binary mantissa in fixed-point
// arithmetic, for the magnitudes everyday cells hold.
#pragma once

#include "format/number/decimal_digits.hpp"
#include "format/number/double_bits.hpp"

#include <cstdint>
#include <cstring>

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
inline bool split_fixed(double value, bool percent, uint32_t places, FixedSplit &split);

}  // namespace qrv::numformat

// --- Implementation (inline: it runs once per formatted value) -----------

namespace qrv::numformat {
namespace split_detail {

constexpr int kMaxFractionBits = 124;
constexpr uint64_t kWholeLimit = 10000000000000000000ull;  // 10^19
constexpr uint64_t kPercentScale = 100;

// A 128-bit product, as two halves.
struct Product {
    uint64_t high, low;
};

inline Product multiply(uint64_t a, uint64_t b) {
#if defined(__SIZEOF_INT128__)
    const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return {static_cast<uint64_t>(p >> 64), static_cast<uint64_t>(p)};
#else
    const uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32, bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const uint64_t ll = aLow * bLow, lh = aLow * bHigh, hl = aHigh * bLow, hh = aHigh * bHigh;
    const uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & 0xFFFFFFFFu)};
#endif
}

// The first places digits of the binary fraction bits / 2^shift (bits below
// 2^shift and 2^60, shift 1 to 124), and whether any digit follows.
inline void fraction_digits(uint64_t bits, int shift, uint32_t places, FixedSplit &split) {
    const Product p = multiply(bits, kPowersOfTen[places]);  // below 2^124
    if (shift < 64) {
        split.fraction = (p.high << (64 - shift)) | (p.low >> shift);
        split.later = (p.low & ((uint64_t{1} << shift) - 1)) != 0;
    } else {
        const int highShift = shift - 64;  // at most 60
        split.fraction = p.high >> highShift;
        split.later = p.low != 0 || (p.high & ((uint64_t{1} << highShift) - 1)) != 0;
    }
}

}  // namespace split_detail

inline bool split_fixed(double value, bool percent, uint32_t places, FixedSplit &split) {
    using namespace split_detail;
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bits &= ~kSignBit;
    split = FixedSplit{};
    if (bits == 0) return true;
    const int biased = static_cast<int>(bits >> kMantissaBits);
    if (biased == 0 || places > kSplitPlacesMax) return false;
    const int e = biased - kExponentBias;
    uint64_t mantissa = (bits & ((uint64_t{1} << kMantissaBits) - 1)) | (uint64_t{1} << kMantissaBits);
    if (percent) mantissa *= kPercentScale;  // below 2^60: exact
    if (e >= 0) {
        // A whole number; shifted as far as 10^19 allows (inf and NaN fail here).
        if (e > 63 - kMantissaBits || (mantissa >> (63 - e)) != 0) return false;
        split.whole = mantissa << e;
        return split.whole < kWholeLimit;
    }
    const int shift = -e;
    if (shift > kMaxFractionBits) return false;
    uint64_t fraction = mantissa;
    if (shift < 64) {
        split.whole = mantissa >> shift;
        fraction = mantissa & ((uint64_t{1} << shift) - 1);
    }
    split_detail::fraction_digits(fraction, shift, places, split);
    return true;
}

}  // namespace qrv::numformat
