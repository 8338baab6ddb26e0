// The general form of a rendered number.
#include "format/number/decimal_digit.hpp"
#include "format/number/work_number.hpp"

#include <cstring>

namespace qrv::numformat {
namespace {

struct Text {
    QRVWCHAR *out;
    uint32_t length = 0;
    void put(QRVWCHAR c) {
        if (length < kWorkSize - 1) out[length++] = c;
    }
};

}  // namespace

uint32_t general_text(const WorkNumber &work, bool negative, QRVWCHAR decimalSeparator, QRVWCHAR *out) {
    Text text{out};
    if (negative) text.put(u'-');
    const uint32_t numberStart = text.length;
    if (work.fracCount < kGeneralLongFraction) {
        for (uint32_t i = 0; i < work.length; ++i)
            text.put(static_cast<int32_t>(i) == work.point ? decimalSeparator : work.text[i]);
    } else {
        for (uint32_t i = 0; i < work.frac_start() - 1; ++i) text.put(work.text[i]);
        text.put(decimalSeparator);
        const uint32_t places = work.scientific ? kGeneralScientificPlaces : kGeneralPlaces;
        QRVWCHAR rounded[kWorkSize];
        const bool carried = FURoundCopyW(rounded, &work.text[work.frac_start()], places) != 0;
        for (uint32_t i = 0; i < places; ++i) text.put(rounded[i]);
        if (carried &&
            carry_into(text.out, static_cast<int32_t>(text.length - places - 2), static_cast<int32_t>(numberStart))) {
            std::memmove(&text.out[numberStart + 1], &text.out[numberStart],
                         (text.length - numberStart) * sizeof(QRVWCHAR));
            text.out[numberStart] = u'1';
            ++text.length;
        }
        if (work.mark >= 0)
            for (uint32_t i = static_cast<uint32_t>(work.mark); i < work.length; ++i) text.put(work.text[i]);
    }
    out[text.length] = 0;
    return text.length;
}

void take_general_text(const QRVWCHAR *text, uint32_t length, QRVWCHAR decimalSeparator, WorkNumber &work) {
    work.reset();
    std::memcpy(work.text, text, length * sizeof(QRVWCHAR));
    work.length = length;
    uint32_t i = length > 0 && text[0] == u'-' ? 1 : 0;
    work.intStart = i;
    while (i < length && is_decimal_digit(text[i])) ++i;
    work.intCount = i - work.intStart;
    if (i < length && text[i] == decimalSeparator) {
        work.point = static_cast<int32_t>(i++);
        while (i < length && is_decimal_digit(text[i])) ++i;
        work.fracCount = i - work.frac_start();
    }
    if (i < length && text[i] == u'E') {
        work.mark = static_cast<int32_t>(i);
        work.scientific = true;
        work.expCount = length > i + 2 ? length - i - 2 : 0;
    }
}

}  // namespace qrv::numformat
