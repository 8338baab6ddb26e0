// Rendering the number's digits: one _ecvt call, then the fixed or the
// scientific form of them.
#include "format/number/work_number.hpp"

#include <qrvplatform/platform.h>

#include <algorithm>
#include <cstring>

namespace qrv::numformat {
namespace {

// The fixed form is built to at most 256 characters and read to 255.
constexpr uint32_t kFixedBuilt = 256;
constexpr uint32_t kFixedKept = 255;

struct Builder {
    WorkNumber &work;
    uint32_t limit;
    void put(QRVWCHAR c) {
        if (work.length < limit) work.text[work.length++] = c;
    }
};

QRVWCHAR digit_at(const char *digits, uint32_t i) {
    return i < kSignificantDigits ? static_cast<QRVWCHAR>(static_cast<unsigned char>(digits[i])) : u'0';
}

// One past the last digit that is not "0": _ecvt pads the exact expansion
// with zeros to the count asked for, and fraction digits past this point
// would only be dropped again.
uint32_t significant_end(const char *digits) {
    uint32_t end = kSignificantDigits;
    constexpr uint64_t kEightZeros = 0x3030303030303030ull;
    while (end >= 8) {
        uint64_t word;
        std::memcpy(&word, digits + end - 8, sizeof word);
        if (word != kEightZeros) break;
        end -= 8;
    }
    while (end > 0 && digits[end - 1] == '0') --end;
    return end;
}

void drop_trailing_zeros(WorkNumber &work, uint32_t keepDigits) {
    const uint32_t first = work.frac_start();
    while (work.length > first + keepDigits && work.text[work.length - 1] == u'0') --work.length;
}

void build_fixed(WorkNumber &work, const char *digits, int d, uint32_t fracPlaces) {
    Builder b{work, kFixedBuilt};
    const uint32_t end = significant_end(digits);
    uint32_t next = 0;
    if (d <= 0) {
        b.put(u'0');
        work.intCount = 1;
        work.point = 1;
        b.put(u'.');
        for (int i = 0; i < -d && work.length < kFixedBuilt; ++i) b.put(u'0');
    } else {
        work.intCount = std::min<uint32_t>(static_cast<uint32_t>(d), kFixedKept);
        for (; next < work.intCount; ++next) b.put(digit_at(digits, next));
        if (work.length < kFixedKept) {
            work.point = static_cast<int32_t>(work.length);
            b.put(u'.');
        }
    }
    while (work.length < kFixedBuilt && next < end) b.put(digit_at(digits, next++));
    work.length = std::min(work.length, kFixedKept);
    if (work.point < 0) return;
    drop_trailing_zeros(work, 0);
    const uint32_t significant = work.length - work.frac_start();
    if (fracPlaces > 0 && significant <= fracPlaces) {
        // Keep exactly the places the format shows (they are zeros).
        const uint32_t wanted = std::min(work.frac_start() + fracPlaces, kFixedKept);
        while (work.length < wanted) work.text[work.length++] = u'0';
    }
    work.fracCount = work.length - work.frac_start();
    if (work.fracCount == 0) {
        work.length = static_cast<uint32_t>(work.point);
        work.point = -1;
    }
}

void build_scientific(WorkNumber &work, const char *digits, int d, bool zero, uint32_t intPlaces) {
    work.scientific = true;
    work.exponent = zero ? 0 : d - 1;
    uint32_t extra = 0;
    if (intPlaces > 1) {
        const int places = static_cast<int>(intPlaces);
        extra = static_cast<uint32_t>(((work.exponent % places) + places) % places);
        work.exponent -= static_cast<int32_t>(extra);
    }
    Builder b{work, kFixedBuilt};
    for (uint32_t i = 0; i <= extra; ++i) b.put(digit_at(digits, i));
    work.intCount = work.length;
    work.point = static_cast<int32_t>(work.length);
    b.put(u'.');
    for (uint32_t i = extra + 1; i < kSignificantDigits; ++i) b.put(digit_at(digits, i));
    if (work.length == work.frac_start()) b.put(u'0');
    drop_trailing_zeros(work, 1);
    work.fracCount = work.length - work.frac_start();
}

void put_exponent(WorkNumber &work, bool shortExponent) {
    work.mark = static_cast<int32_t>(work.length);
    work.text[work.length++] = u'E';
    work.text[work.length++] = work.exponent < 0 ? u'-' : u'+';
    uint32_t magnitude = static_cast<uint32_t>(work.exponent < 0 ? -work.exponent : work.exponent);
    QRVWCHAR digits[10];
    uint32_t count = 0;
    do {
        digits[count++] = static_cast<QRVWCHAR>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (count == 1 && !shortExponent) digits[count++] = u'0';
    work.expCount = count;
    while (count > 0) work.text[work.length++] = digits[--count];
}

}  // namespace

void render_number(double value, const FUNumberFormat &format, uint32_t exponentOptions, WorkNumber &work) {
    work.reset();
    int d = 0, sign = 0;
    const char *digits = _ecvt(value, static_cast<int>(kSignificantDigits), &d, &sign);
    const uint32_t flags = format.FormatFlags;
    if ((flags & FU_FORMAT_PERCENT) != 0 && value != 0) d += 2;
    const bool fixed = (flags & FU_FORMAT_SCIENTIFIC) == 0 && ((d > -20 && d < 20) || (flags & FU_FORMAT_GENERAL) == 0);
    if (fixed) build_fixed(work, digits, d, format.fracDigits);
    else build_scientific(work, digits, d, value == 0, format.intDigits);
    filter_noise(work);
    if (work.exponent != 0 || (flags & FU_FORMAT_SCIENTIFIC) != 0)
        put_exponent(work, (exponentOptions & 0x2) != 0 && format.expDigits < 2);
}

}  // namespace qrv::numformat
