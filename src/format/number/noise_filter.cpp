// The long decimal tails of binary doubles (0.1 is 0.1000000000000000055...)
// end at their first run of four zeros or nines.
#include "format/number/decimal_digit.hpp"
#include "format/number/noise_runs.hpp"
#include "format/number/work_number.hpp"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qrv::numformat {
namespace {

// A carry out of the leftmost integer digit.
void carry_out(WorkNumber &work) {
    if (work.scientific) {
        // The mantissa becomes 1 and the exponent rises.
        const uint32_t drop = work.intCount - 1;
        work.text[work.intStart] = u'1';
        std::memmove(&work.text[work.intStart + 1], &work.text[work.intStart + 1 + drop],
                     (work.length - work.intStart - 1 - drop) * sizeof(QRVWCHAR));
        work.length -= drop;
        work.point -= static_cast<int32_t>(drop);
        work.intCount = 1;
        ++work.exponent;
        return;
    }
    std::memmove(&work.text[work.intStart + 1], &work.text[work.intStart],
                 (work.length - work.intStart) * sizeof(QRVWCHAR));
    work.text[work.intStart] = u'1';
    ++work.length;
    ++work.intCount;
    ++work.point;
}

}  // namespace

bool carry_into(QRVWCHAR *text, int32_t index, int32_t first) {
    for (int32_t i = index; i >= first; --i) {
        if (text[i] == u'.') continue;
        if (!is_decimal_digit(text[i])) return false;
        if (text[i] != u'9') {
            ++text[i];
            return false;
        }
        text[i] = u'0';
    }
    return true;
}

namespace {

// The first index from 1 on where four equal "0" or "9" begin, or count
// when there is none; eight places at a time where SSE2 is there.
uint32_t find_run(const QRVWCHAR *frac, uint32_t count) {
    uint32_t i = 1;
#if defined(__SSE2__)
    const __m128i zero = _mm_set1_epi16(u'0'), nine = _mm_set1_epi16(u'9');
    for (; i + kNoiseRunLength - 1 + 8 <= count; i += 8) {
        auto at = [&](uint32_t k) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(frac + i + k)); };
        const __m128i c = at(0);
        const __m128i same = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi16(c, at(1)), _mm_cmpeq_epi16(c, at(2))),
                                           _mm_cmpeq_epi16(c, at(3)));
        const __m128i run = _mm_and_si128(same, _mm_or_si128(_mm_cmpeq_epi16(c, zero), _mm_cmpeq_epi16(c, nine)));
        const int mask = _mm_movemask_epi8(run);
        if (mask != 0) return i + static_cast<uint32_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
    }
#endif
    return first_noise_run(frac, i, count);
}

}  // namespace

void filter_noise(WorkNumber &work) {
    if (work.point < 0 || work.fracCount < kShortestFiltered) return;
    const uint32_t start = work.frac_start();
    const uint32_t i = find_run(&work.text[start], work.fracCount);
    if (i == work.fracCount) return;
    const QRVWCHAR c = work.text[start + i];
    work.fracCount = i;
    work.length = start + i;
    if (c == u'9' && carry_into(work.text, static_cast<int32_t>(start + i - 1), static_cast<int32_t>(work.intStart)))
        carry_out(work);
}

}  // namespace qrv::numformat
