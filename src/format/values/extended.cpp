// 80-bit extended floats to doubles.
#include <qrvex/datavalue.h>

#include <bit>
#include <cstring>

namespace qrv::values {
namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr int kFractionBits = 52;
constexpr uint64_t kFractionMask = (uint64_t{1} << kFractionBits) - 1;
constexpr uint64_t kMaxBiased = 2047;
// The value is m * 2^(e - kUnitExponent) with m the whole 64-bit significand;
// a double's subnormal unit is 2^-1074, so m * 2^(e - kSubnormalShiftBase)
// counts subnormal units.
constexpr int kSubnormalShiftBase = kExtendedBias + 63 - 1074;

struct Extended {
    bool negative;
    int exponent;  // biased, 15 bits
    uint64_t significand;
};

Extended unpack(const uint8_t *bytes) {
    Extended x;
    std::memcpy(&x.significand, bytes, 8);
    const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
    x.exponent = static_cast<int>(top & 0x7FFF);
    x.negative = (top & 0x8000) != 0;
    return x;
}

double assemble(bool negative, uint64_t biased, uint64_t fraction) {
    return std::bit_cast<double>((uint64_t{negative} << 63) | (biased << kFractionBits) | fraction);
}

// Below the smallest normal double: rounded to nearest subnormal, ties to
// even, as the hardware does; what rounds up to 2^-1022 becomes that normal.
double to_subnormal(const Extended &x) {
    const int shift = kSubnormalShiftBase - x.exponent;
    uint64_t units;
    if (shift <= 0) {
        units = x.significand << -shift;  // exact: the value is small enough
    } else if (shift >= 64) {
        const bool above_half = shift == 64 && x.significand > (uint64_t{1} << 63);
        units = above_half ? 1 : 0;
    } else {
        units = x.significand >> shift;
        const uint64_t rest = x.significand & ((uint64_t{1} << shift) - 1);
        const uint64_t half = uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (units & 1))) ++units;
    }
    return std::bit_cast<double>((uint64_t{x.negative} << 63) | units);
}

double extended_to_double(const uint8_t *bytes) {
    const Extended x = unpack(bytes);
    if (x.significand == 0) return 0.0;
    const int leading_zeros = std::countl_zero(x.significand);
    const uint64_t below_lead = leading_zeros == 63 ? 0 : x.significand << (leading_zeros + 1);
    uint64_t fraction = below_lead >> (64 - kFractionBits);
    const bool round_up = (below_lead >> (63 - kFractionBits)) & 1;
    const int64_t biased = int64_t{x.exponent} - kExtendedBias - leading_zeros + kDoubleBias;
    if (biased < 1) return to_subnormal(x);
    int64_t rounded_biased = biased;
    if (round_up && ++fraction > kFractionMask) {
        fraction = 0;
        ++rounded_biased;
    }
    if (rounded_biased > static_cast<int64_t>(kMaxBiased)) return 0.0;
    return assemble(x.negative, static_cast<uint64_t>(rounded_biased), fraction);
}

}  // namespace
}  // namespace qrv::values

// The little-endian 80-bit value as a double.  The significand is cut to 52
// fraction bits below its leading one and a cut-off half rounds up in
// magnitude.  A zero significand gives +0.0.  Infinities, NaNs and values
// whose rebiased exponent passes 2047 give 0.0; a rebiased exponent of
// exactly 2047 is assembled as it stands (an infinity or a NaN pattern).
// Values below the normal double range (under 2^-1022) become correctly
// rounded subnormals (nearest, ties to even) or a zero of their sign.
// Unnormal patterns (exponent set, integer bit clear) convert by their value.
extern "C" QRVAPI double FUSFloat10to8(const uint8_t *extended) { return qrv::values::extended_to_double(extended); }
