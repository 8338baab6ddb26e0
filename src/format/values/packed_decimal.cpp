// Packed decimals: a sign and excess-70 exponent byte, then fourteen digits.
#include <qrvex/datavalue.h>

namespace qrv::values {
namespace {

constexpr uint8_t kSignBit = 0x80;
constexpr int kExponentExcess = 70;
constexpr int kDigitBytes = 7;

// Digits above 9 are not refused: each counts with its own value.
double digit_sum(const uint8_t *digits) {
    double d = digits[0] >> 4;
    d = d * 10.0 + (digits[0] & 0x0F);
    for (int k = 1; k < kDigitBytes; ++k) {
        d = d * 10.0 + (digits[k] >> 4);
        d = d * 10.0 + (digits[k] & 0x0F);
    }
    return d;
}

// Repeated multiplication, never division, so results match digit for digit.
double power_of_ten(int exponent) {
    double scale = 1.0;
    for (int k = 0; k < exponent; ++k) scale *= 10.0;
    for (int k = 0; k > exponent; --k) scale *= 0.1;
    return scale;
}

}  // namespace
}  // namespace qrv::values

// The value sign * digits * 10^(exponent - 70); a first byte of 0 is 0.0.
// The sign bit is cleared in the caller's bytes, so the same bytes must not
// be converted twice.
extern "C" QRVAPI double FUConvertBCDToDouble(uint8_t *packed) {
    using namespace qrv::values;
    if (packed[0] == 0) return 0.0;
    const double sign = (packed[0] & kSignBit) ? -1.0 : 1.0;
    packed[0] = static_cast<uint8_t>(packed[0] & ~kSignBit);
    const int exponent = packed[0] - kExponentExcess;
    return sign * (power_of_ten(exponent) * digit_sum(packed + 1));
}
