// The exact decimal expansion of a double, digit by digit, for magnitudes
// whose integer part fits 64 bits and whose fraction fits the widest integer
// the build has (124 bits with 128-bit arithmetic, else 60).  Such an
// expansion has at most 20 + 124 significant digits, so the runtime's
// 255-digit expansion of the same value is exactly these digits followed by
// zeros: nothing was rounded away.
#pragma once

#include <cstdint>

namespace qrv::numformat {

class ExactDecimal {
public:
    static constexpr uint32_t kWriteRoom = 20;
    static constexpr uint32_t kWriteSlack = 8;

    // Takes |value|; false when it lies outside the range above (zero is
    // inside; infinities, NaNs and subnormals are not).
    bool set(double value);

    // Digits before the point, as the runtime's expansion counts them (0
    // for zero, -k for a value with k zeros after the point).
    int point() const { return point_; }

    // The first count significant digits, then one more character: "1"
    // when any later digit of the expansion is not 0, else "0".  out has
    // room for count + kWriteSlack characters and at least kWriteRoom (the
    // digits are stored in fixed-size pieces); it is not terminated.
    void write(char *out, uint32_t count);

private:
#if defined(__SIZEOF_INT128__)
    using Fraction = unsigned __int128;
#else
    using Fraction = uint64_t;
#endif
    char next_fraction_digit();
    uint32_t take_chunk(char *out, uint32_t room);

    uint64_t integer_ = 0;
    char intDigits_[kWriteRoom] = {};
    uint32_t intCount_ = 0;
    Fraction fraction_ = 0;
    int shift_ = 0;  // fraction bits
    int point_ = 0;
    char firstDigit_ = '0';  // a value below 1: its first significant digit, already taken
};

}  // namespace qrv::numformat
