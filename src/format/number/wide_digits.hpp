// Wide digits written from the right end of their place: by the pair, and
// by the three behind a place for the separator that goes before them.
#pragma once

#include <qrvex/types.h>

#include <cstdint>
#include <cstring>

namespace qrv::numformat {

constexpr uint32_t kGroupSize = 3;

struct WideDigits {
    QRVWCHAR pairs[100][2];
    QRVWCHAR triples[1000][4];
};

inline constexpr WideDigits kWideDigits = [] {
    WideDigits d{};
    for (int i = 0; i < 1000; ++i) {
        d.triples[i][1] = static_cast<QRVWCHAR>(u'0' + i / 100);
        d.triples[i][2] = static_cast<QRVWCHAR>(u'0' + i / 10 % 10);
        d.triples[i][3] = static_cast<QRVWCHAR>(u'0' + i % 10);
        if (i < 100) {
            d.pairs[i][0] = d.triples[i][2];
            d.pairs[i][1] = d.triples[i][3];
        }
    }
    return d;
}();

// The count digits of n (leading zeros included) ending at end; returns
// where they begin.
inline QRVWCHAR *put_digits_before(uint64_t n, uint32_t count, QRVWCHAR *end) {
    for (; count >= 2; count -= 2, n /= 100) {
        end -= 2;
        std::memcpy(end, kWideDigits.pairs[n % 100], sizeof kWideDigits.pairs[0]);
    }
    if (count == 1) *--end = static_cast<QRVWCHAR>(u'0' + n % 10);
    return end;
}

// The same, a separator before every third digit from the right but the
// leftmost.
inline void put_grouped_before(uint64_t n, uint32_t count, QRVWCHAR separator, QRVWCHAR *end) {
    for (; count > kGroupSize; count -= kGroupSize, n /= 1000) {
        QRVWCHAR group[4];
        std::memcpy(group, kWideDigits.triples[n % 1000], sizeof group);
        group[0] = separator;
        end -= 4;
        std::memcpy(end, group, sizeof group);
    }
    put_digits_before(n, count, end);
}

}  // namespace qrv::numformat
