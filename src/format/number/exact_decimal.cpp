#include "format/number/exact_decimal.hpp"

#include "format/number/decimal_digits.hpp"
#include "format/number/double_bits.hpp"

#include <cstring>

namespace qrv::numformat {
namespace {

// The most fraction bits a binary fraction may have to be expanded exactly.
#if defined(__SIZEOF_INT128__)
constexpr int kExpandedFractionBits = 124;
#else
constexpr int kExpandedFractionBits = 60;
#endif
// Fractions of up to this many bits take 19 digits a multiplication (with
// 128-bit arithmetic), or else one digit at a time in 64 bits.
constexpr int kChunkFractionBits = 64;
constexpr uint32_t kChunkDigits = 19;
constexpr int kNarrowFractionBits = 60;
constexpr int kLargestShift = 11;  // a 53-bit mantissa shifted further leaves 64 bits
static_assert(ExactDecimal::kWriteSlack >= kDigitPieceSize);

// The digits of n (not 0), most significant first; returns how many.
uint32_t integer_digits(uint64_t n, char (&out)[20]) {
    const uint32_t count = digit_count(n);
    last_digits(n, count, out);
    return count;
}

// The next digit of a binary fraction of shift bits, which stays below 2^shift.
template <typename Bits>
char take_digit(Bits &fraction, int shift) {
    fraction *= 10;
    const char digit = static_cast<char>('0' + static_cast<int>(fraction >> shift));
    fraction &= (Bits{1} << shift) - 1;
    return digit;
}

}  // namespace

char ExactDecimal::next_fraction_digit() { return take_digit(fraction_, shift_); }

#if defined(__SIZEOF_INT128__)
// Up to 19 digits of a fraction of at most 64 bits in one multiplication:
// the product with 10^k stays below 2^128 and its integer part below 10^k.
uint32_t ExactDecimal::take_chunk(char *out, uint32_t room) {
    const uint32_t k = room < kChunkDigits ? room : kChunkDigits;
    fraction_ *= kPowersOfTen[k];
    last_digits(static_cast<uint64_t>(fraction_ >> shift_), k, out);
    fraction_ &= (Fraction{1} << shift_) - 1;
    return k;
}
#endif

bool ExactDecimal::set(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bits &= ~kSignBit;
    integer_ = 0;
    fraction_ = 0;
    shift_ = 0;
    point_ = 0;
    intCount_ = 0;
    firstDigit_ = '0';
    if (bits == 0) return true;
    const int biased = static_cast<int>(bits >> kMantissaBits);
    const int e = biased - kExponentBias;
    if (biased == 0 || e > kLargestShift || e < -kExpandedFractionBits) return false;
    const uint64_t mantissa = (bits & ((uint64_t{1} << kMantissaBits) - 1)) | (uint64_t{1} << kMantissaBits);
    if (e >= 0) {
        integer_ = mantissa << e;
    } else {
        shift_ = -e;
        integer_ = shift_ >= 64 ? 0 : mantissa >> shift_;
        fraction_ = Fraction{mantissa} & ((Fraction{1} << shift_) - 1);
    }
    if (integer_ != 0) {
        intCount_ = integer_digits(integer_, intDigits_);
        point_ = static_cast<int>(intCount_);
        return true;
    }
    // Below 1: the zeros after the point count down from it.
    if (shift_ <= kNarrowFractionBits) {
        auto narrow = static_cast<uint64_t>(fraction_);
        for (firstDigit_ = take_digit(narrow, shift_); firstDigit_ == '0'; firstDigit_ = take_digit(narrow, shift_))
            --point_;
        fraction_ = narrow;
        return true;
    }
    for (firstDigit_ = next_fraction_digit(); firstDigit_ == '0'; firstDigit_ = next_fraction_digit()) --point_;
    return true;
}

void ExactDecimal::write(char *out, uint32_t count) {
    uint32_t n = 0;
    bool later = false;  // a digit after the first count is not 0
    if (intCount_ > 0) {
        n = intCount_ < count ? intCount_ : count;
        std::memcpy(out, intDigits_, sizeof intDigits_);  // a fixed size copies fastest
        for (uint32_t k = n; k < intCount_; ++k) later |= intDigits_[k] != '0';
    } else if (count > 0) {
        out[n++] = firstDigit_;
    } else {
        later = firstDigit_ != '0';
    }
#if defined(__SIZEOF_INT128__)
    if (shift_ <= kChunkFractionBits) {
        while (n < count && fraction_ != 0) n += take_chunk(out + n, count - n);
    } else
#endif
        if (shift_ <= kNarrowFractionBits) {
        auto narrow = static_cast<uint64_t>(fraction_);
        while (n < count && narrow != 0) out[n++] = take_digit(narrow, shift_);
        fraction_ = narrow;
    } else {
        while (n < count && fraction_ != 0) out[n++] = next_fraction_digit();
    }
    for (; n < count; ++n) out[n] = '0';
    out[count] = later || fraction_ != 0 ? '1' : '0';
}

}  // namespace qrv::numformat
