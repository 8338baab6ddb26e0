// The runs the noise filter cuts a fraction at: four or more equal "0" or
// "9", from the fraction's second digit on, in fractions of more than five
// digits.
#pragma once

#include <cstdint>

namespace qrv::numformat {

constexpr uint32_t kNoiseRunLength = 4;
constexpr uint32_t kShortestFiltered = 6;

template <typename Char>
bool starts_noise_run(const Char *frac, uint32_t i) {
    const Char c = frac[i];
    return (c == '0' || c == '9') && frac[i + 1] == c && frac[i + 2] == c && frac[i + 3] == c;
}

// The first index from `from` on where a run begins, or count when there is
// none.  A run found that way is where the first maximal run of four or
// more starts, as a run that began earlier would have been found there.
// Every run that starts from k - 3 to k covers index k, so a digit there
// that is neither "0" nor "9" rules four starts out at once.
template <typename Char>
uint32_t first_noise_run(const Char *frac, uint32_t from, uint32_t count) {
    for (uint32_t k = from + kNoiseRunLength - 1; k + 1 <= count; k += kNoiseRunLength) {
        if (frac[k] != '0' && frac[k] != '9') continue;
        for (uint32_t i = k + 1 - kNoiseRunLength; i <= k && i + kNoiseRunLength <= count; ++i)
            if (starts_noise_run(frac, i)) return i;
    }
    return count;
}

}  // namespace qrv::numformat
