#include "format/number/plain_number.hpp"

#include "format/number/noise_runs.hpp"

#include <cstring>

namespace qrv::numformat {
namespace {

// Raises digits[0..end) by one in its last place; true when the carry runs
// out of digits[0] into the whole part.
bool carry(char *digits, uint32_t end) {
    for (uint32_t k = end; k-- > 0;) {
        if (digits[k] != '9') {
            ++digits[k];
            return false;
        }
        digits[k] = '0';
    }
    return true;
}

// The fifth fraction digit of a split of shown + 5 digits (shown <= 3).
uint32_t fifth_digit(uint32_t digits, uint32_t shown) {
    switch (shown) {
    case 0: return digits % 10;
    case 1: return digits / 10 % 10;
    case 2: return digits / 100 % 10;
    default: return digits / 1000 % 10;
    }
}

}  // namespace

void render_plain(const FixedSplit &split, uint32_t places, uint32_t shown, PlainNumber &n) {
    n.whole = split.whole;
    last_digits(split.fraction, places, n.fraction);
    uint32_t count = places;
    if (split.later) {
        n.fraction[count++] = '1';
    } else {
        while (count > 0 && n.fraction[count - 1] == '0') --count;
    }
    if (shown > 0 && count <= shown) count = shown;  // the digits there are zeros
    n.fractionCount = count;
    if (count < kShortestFiltered) return;
    const uint32_t run = first_noise_run(n.fraction, 1, count);
    if (run == count) return;
    n.fractionCount = run;
    if (n.fraction[run] == '9' && carry(n.fraction, run)) ++n.whole;
}

void round_after(PlainNumber &n, uint32_t shown) {
    if (n.fractionCount > shown && n.fraction[shown] >= '5' && carry(n.fraction, shown)) ++n.whole;
}

// Rendering and rounding at once, for most values: a fraction that goes on
// past the digits split off, up to three places shown.  Every run the noise
// filter could act on then starts from 1 to shown + 1 and so covers the
// fifth fraction digit: one that is neither 0 nor 9 leaves the fraction
// as it is, and the walk's rounding is a sum.  False where that does not
// hold.
bool render_and_round(const FixedSplit &split, uint32_t shown, PlainNumber &n) {
    constexpr uint32_t kMostShown = 3;
    constexpr uint32_t kTensToShown[kMostShown + 1] = {1, 10, 100, 1000};
    if (!split.later || shown > kMostShown) return false;
    const auto digits = static_cast<uint32_t>(split.fraction);  // shown + 5 digits: below 10^8
    const uint32_t fifth = fifth_digit(digits, shown);
    if (fifth == 0 || fifth == 9) return false;
    const uint32_t read = digits / 10000;  // those shown and the one rounded on
    uint32_t rounded = read / 10 + (read % 10 >= 5 ? 1 : 0);
    n.whole = split.whole;
    if (rounded == kTensToShown[shown]) {
        rounded = 0;
        ++n.whole;
    }
    char *to = n.fraction;
    if (shown == kMostShown) {
        *to++ = static_cast<char>('0' + rounded / 100);
        rounded %= 100;
    }
    if (shown >= 2)
        std::memcpy(to, &kDigitPairs[2 * rounded], 2);
    else if (shown == 1)
        to[0] = static_cast<char>('0' + rounded);
    n.fractionCount = shown;
    return true;
}

}  // namespace qrv::numformat
