// FUFormatNumber35: a number shown by a single format item (display type,
// decimal places, flag word) rather than by a definition.
#include "format/number/format_code.hpp"
#include "format/number/intl.hpp"
#include "format/number/output_text.hpp"
#include "host/chunker.hpp"

#include <qrvex/datavalue.h>
#include <qrvex/datetime.h>
#include <qrvplatform/platform.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qrv::numformat {
namespace {

enum : uint32_t {
    kGeneral = 0,
    kCurrency = 1,
    kPercent = 2,
    kScientific = 3,
    kFixed = 4,
    kDateTime = 5,
    kTime = 7,
    kTruth = 8,
    kDosDate = 9
};
enum : uint32_t {
    kParentheses = 0x1,
    kNegativeColour = 0x2,
    kParenthesesAndColour = 0x4,
    kGrouping = 0x8,
    kScaleMask = 0xF0
};
constexpr uint32_t kNegativeColourValue = 255;
constexpr uint32_t kDateTextLength = 80;
constexpr int kRenderedDigits = 127;
constexpr int kLargestExponent = 126;
constexpr uint8_t kSymbolBefore = 0x1, kSymbolBlank = 0x2;

double scale_of(uint32_t code) {
    switch (code) {
    case 0x10: return 0.01;
    case 0x20: return 5000.0;
    case 0x30: return 500.0;
    case 0x40: return 0.05;
    case 0x50: return 0.005;
    case 0x60: return 0.0005;
    case 0x70: return 0.00005;
    case 0x80: return 0.0625;
    case 0x90: return 0.015625;
    case 0xA0: return 0.0001;
    default: return 1.0;
    }
}

struct FormatItem {
    uint32_t places, type, flags;
};

// The number as a byte string: digits, decimal separator, exponent.
class NumberText {
public:
    NumberText(const char *digits, int d, char separator) : digits_(digits), d_(d), separator_(separator) {}

    void fixed(uint32_t places, bool separatorWithoutPlaces) {
        if (d_ <= 0)
            fixed_below_one(places, separatorWithoutPlaces);
        else
            fixed_from_one(places);
    }

    void scientific(uint32_t places) {
        char rounded[kRenderedDigits + 2];
        const uint32_t count = std::min<uint32_t>(places + 1, kRenderedDigits);
        int d = d_;
        if (FURoundCopy(rounded, digits_, count) != 0) {
            rounded[0] = '1';
            ++d;
        }
        put(rounded[0]);
        if (places != 0) put(separator_);
        for (uint32_t i = 1; i < count; ++i) put(rounded[i]);
        char exponent[16];
        wsprintfA(exponent, d < 1 ? "E%2.2i" : "E+%2.2i", d - 1);
        for (const char *p = exponent; *p != 0; ++p) put(*p);
    }

    void drop_trailing_zeros() {
        if (std::memchr(text_, separator_, length_) == nullptr) return;
        while (length_ > 0 && text_[length_ - 1] == '0') --length_;
        if (length_ > 0 && text_[length_ - 1] == separator_) --length_;
    }

    const char *data() const { return text_; }
    uint32_t length() const { return length_; }

private:
    void put(char c) {
        if (length_ < sizeof text_) text_[length_++] = c;
    }

    void fixed_below_one(uint32_t places, bool separatorWithoutPlaces) {
        const uint32_t leading = static_cast<uint32_t>(-d_);
        const uint32_t zeros = std::min(leading, places);
        put('0');
        if (places != 0 || separatorWithoutPlaces) put(separator_);
        for (uint32_t i = 0; i < zeros; ++i) put('0');
        if (leading > places) return;  // the rounding digit is one of the zeros
        char rounded[kRenderedDigits + 2];
        const uint32_t count = std::min<uint32_t>(places - zeros, kRenderedDigits);
        if (FURoundCopy(rounded, digits_, count) != 0) {
            // The character before the rounded digits becomes "1".
            text_[zeros != 0 ? length_ - 1 : 0] = '1';
        }
        for (uint32_t i = 0; i < count; ++i) put(rounded[i]);
    }

    void fixed_from_one(uint32_t places) {
        const uint32_t whole = static_cast<uint32_t>(d_);
        if (places + whole > kRenderedDigits) places = 0;
        char rounded[kRenderedDigits + 2];
        uint32_t integer = whole;
        if (FURoundCopy(rounded, digits_, whole + places) != 0) {
            put('1');
            ++integer;
        }
        for (uint32_t i = 0; i < whole + places; ++i) {
            if (places != 0 && length_ == integer) put(separator_);
            put(rounded[i]);
        }
    }

    const char *digits_;
    int d_;
    char separator_;
    char text_[256] = {};
    uint32_t length_ = 0;
};

// Widens the text into out, with the thousands separator among its leading
// digits when grouping.
void put_grouped(const NumberText &text, bool grouping, char thousands, OutputText &out) {
    uint32_t lead = 0;
    while (lead < text.length() && text.data()[lead] >= '0' && text.data()[lead] <= '9') ++lead;
    for (uint32_t i = 0; i < text.length(); ++i) {
        out.put(static_cast<unsigned char>(text.data()[i]));
        const uint32_t after = lead - i - 1;
        if (grouping && i + 1 < lead && after % 3 == 0) out.put(static_cast<unsigned char>(thousands));
    }
}

void put_currency(const FUIntlSettings &intl, bool before, OutputText &out) {
    const bool blank = (intl.CurrencyPlacement & kSymbolBlank) != 0;
    if (!before && blank) out.put(u' ');
    out.put_bytes(intl.CurrencySymbol, sizeof intl.CurrencySymbol);
    if (before && blank) out.put(u' ');
}

uint32_t bounded_length(const QRVWCHAR *text, uint32_t most) {
    uint32_t length = 0;
    while (length < most && text[length] != 0) ++length;
    return length;
}

uint32_t format_by_date_kind(QRVWCHAR *output, double value, const FormatItem &item, double scale, uint32_t dayBase,
                             uint32_t dateFlags, uint32_t hOptions) {
    uint32_t kind = item.type;
    if (kind == kDosDate) {
        FUConvertDosDateToSODate(&value);
        kind = kDateTime;
    }
    output[0] = 0;
    FUFormatDateTime(output, value, kind, item.flags, item.places, dayBase, dateFlags, scale, hOptions);
    return bounded_length(output, kDateTextLength);
}

uint32_t format_number35(CHHandle h, QRVWCHAR *output, uint32_t itemId, double value, uint32_t dayBase,
                         uint32_t dateFlags, uint32_t *pColour, uint32_t hOptions) {
    output[0] = 0;
    CHItem raw{};
    if (host::get_item(h, itemId, raw, nullptr) != 0) return 0;
    const FormatItem item{raw.value & 0xFFFF, raw.value >> 16, raw.data1};
    const FUIntlSettings intl = read_intl_settings(hOptions);
    double scale = scale_of(item.flags & kScaleMask);
    if (item.type == kPercent) scale *= 100.0;
    if (item.type >= kDateTime && item.type <= kTime)
        return format_by_date_kind(output, value, item, scale, dayBase, dateFlags, hOptions);
    if (item.type == kDosDate) return format_by_date_kind(output, value, item, scale, dayBase, dateFlags, hOptions);
    if (item.type == kTruth) {
        return FUGetLOString(std::trunc(value) != 0 ? kTruthTrue : kTruthFalse, output, kDateTextLength);
    }
    if (!std::isfinite(value)) return 0;
    const double v = value * scale;
    int d = 0, sign = 0;
    const char *digits = _ecvt(v, kRenderedDigits, &d, &sign);
    if (v == 0) ++d;
    if (d > kLargestExponent || d < -kLargestExponent) return 0;

    OutputText out(output, kMaxOutput + 1);
    const bool negative = v < 0;
    const bool parentheses = (item.flags & (kParentheses | kParenthesesAndColour)) != 0;
    if (negative) {
        out.put(parentheses ? u'(' : u'-');
        if ((item.flags & (kNegativeColour | kParenthesesAndColour)) != 0 && pColour != nullptr)
            *pColour = kNegativeColourValue;
    }
    const bool currency = item.type == kCurrency;
    const bool symbolBefore = (intl.CurrencyPlacement & kSymbolBefore) != 0;
    if (currency && symbolBefore) put_currency(intl, true, out);

    NumberText text(digits, d, intl.DecimalSeparator);
    const uint32_t places = std::min<uint32_t>(item.places, kRenderedDigits);
    if (item.type == kScientific) {
        text.scientific(places);
    } else if (item.type == kGeneral) {
        if (d > -5 && d < 10) {
            text.fixed(d <= 0 ? static_cast<uint32_t>(8 - d) : std::min(9 - d, 5), true);
            text.drop_trailing_zeros();
        } else {
            text.scientific(2);
        }
    } else {
        text.fixed(places, false);
    }
    put_grouped(text, (item.flags & kGrouping) != 0, intl.ThousandsSeparator, out);

    if (item.type == kPercent) out.put(u'%');
    if (negative && parentheses) out.put(u')');
    if (currency && !symbolBefore) put_currency(intl, false, out);
    return out.finish();
}

}  // namespace
}  // namespace qrv::numformat

extern "C" {

// Formats value by the format item at formatItemId: general, currency,
// percent, scientific and fixed display types with their decimal places,
// negative numbers with a sign or in parentheses (and the caller's colour
// set to 255 when asked), thousands grouping and scale codes; date and time
// types are handed to FUFormatDateTime.  Returns the length of the output,
// terminator not counted; NaNs, infinities and values beyond 1E126 give an
// empty output and 0, as does a format item that cannot be read.
//
// Decided here: decimal places beyond the 127 rendered digits count as 127;
// the general type drops trailing zeros only behind a decimal separator (so
// 100000000 keeps its zeros); the text is built in a buffer of the call's
// own, so the work buffer is left as it was.
QRVAPI uint32_t FUFormatNumber35(CHHandle h, QRVWCHAR *output, uint32_t formatItemId, double value, uint32_t dayBase,
                                 uint32_t dateFlags, uint32_t *pColour, void * /*work*/, uint32_t hOptions) {
    if (output == nullptr) return 0;
    return qrv::numformat::format_number35(h, output, formatItemId, value, dayBase, dateFlags, pColour, hOptions);
}

}  // extern "C"
