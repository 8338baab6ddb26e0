#include "format/number/plain_shape.hpp"

#include "format/number/format_code.hpp"

#include <qrvda.h>

namespace qrv::numformat {
namespace {

constexpr FUFormatCode kZero = token_code(FU_TOKEN_DIGIT_ZERO);
constexpr FUFormatCode kOptional = token_code(FU_TOKEN_DIGIT_OPTIONAL);
constexpr FUFormatCode kPoint = token_code(FU_TOKEN_POINT);
constexpr FUFormatCode kGroupingCode = token_code(FU_TOKEN_GROUPING);
constexpr FUFormatCode kPercentCode = token_code(FU_TOKEN_PERCENT);
constexpr FUFormatCode kCurrencyCode = token_code(FU_TOKEN_CURRENCY);
static_assert((kZero | 1) == kOptional);

constexpr uint32_t kCurrencyWidth = sizeof(FUIntlSettings{}.CurrencySymbol);
constexpr uint32_t kNotText = UINT32_MAX;
constexpr uint32_t kNone = UINT32_MAX;

bool is_integer_placeholder(FUFormatCode code) { return (code | 1) == kOptional; }
bool is_placeholder(FUFormatCode code) { return code - kZero <= FU_TOKEN_DIGIT_BLANK - FU_TOKEN_DIGIT_ZERO; }

// The most characters a code of text writes, or kNotText.
uint32_t text_width(FUFormatCode code, bool digitsAllowed) {
    if (!is_token(code)) {
        const auto c = static_cast<QRVWCHAR>(code);
        return digitsAllowed || c < u'0' || c > u'9' ? 1 : kNotText;
    }
    return code == kPercentCode ? 1 : code == kCurrencyCode ? kCurrencyWidth : kNotText;
}

// The codes read part by part, in the order the shape has them.
class ShapeScan {
public:
    ShapeScan(const FormatView &format, PlainShape &shape)
        : codes_(format.codes), count_(format.codeCount), shape_(shape) {}

    // Text, signs and grouping before the first integer placeholder.
    bool prefix() {
        for (; at_ < count_ && !is_integer_placeholder(codes_[at_]); ++at_) {
            const FUFormatCode code = codes_[at_];
            if (code == kGroupingCode) {
                note_grouping();
                continue;
            }
            const uint32_t width = text_width(code, false);
            if (width == kNotText) return false;
            shape_.textWidth += width;
            shape_.currencyInPrefix |= code == kCurrencyCode;
        }
        shape_.integerBegin = at_;
        return true;
    }

    void integer() {
        for (; at_ < count_; ++at_) {
            const FUFormatCode code = codes_[at_];
            if (is_integer_placeholder(code)) {
                ++shape_.integerPlaces;
                lastInteger_ = at_;
            } else if (code == kGroupingCode) {
                note_grouping();
            } else {
                break;
            }
        }
        shape_.integerEnd = at_;
    }

    // The point and the placeholders after it (grouping does nothing there).
    void fraction() {
        if (at_ < count_ && codes_[at_] == kPoint) {
            shape_.point = true;
            for (++at_; at_ < count_; ++at_) {
                const FUFormatCode code = codes_[at_];
                if (is_placeholder(code))
                    ++shape_.fractionPlaces;
                else if (code != kGroupingCode)
                    break;
            }
        }
        shape_.fractionEnd = at_;
    }

    // Text and signs to the end (grouping does nothing there).
    bool suffix() {
        for (; at_ < count_; ++at_) {
            if (codes_[at_] == kGroupingCode) continue;
            const uint32_t width = text_width(codes_[at_], true);
            if (width == kNotText) return false;
            shape_.textWidth += width;
        }
        return true;
    }

    // Grouping applies when the last integer placeholder is met with it on,
    // and again at the point when it was turned on after that placeholder;
    // it does nothing after the last placeholder of a format without a
    // point.  False for a format that groups twice.
    bool settle_grouping() {
        const bool atLastPlaceholder = firstGrouping_ < lastInteger_;
        const bool atPoint = shape_.point && lastGrouping_ != kNone && lastGrouping_ > lastInteger_;
        shape_.grouping = atLastPlaceholder || atPoint;
        return !(atLastPlaceholder && atPoint);
    }

private:
    void note_grouping() {
        if (firstGrouping_ == kNone) firstGrouping_ = at_;
        lastGrouping_ = at_;
    }

    const FUFormatCode *codes_;
    uint32_t count_;
    PlainShape &shape_;
    uint32_t at_ = 0;
    uint32_t firstGrouping_ = kNone;
    uint32_t lastGrouping_ = kNone;
    uint32_t lastInteger_ = 0;
};

}  // namespace

bool plain_shape_of(const FormatView &format, PlainShape &shape) {
    shape = PlainShape{};
    ShapeScan scan(format, shape);
    if (!scan.prefix()) return false;
    scan.integer();
    scan.fraction();
    return scan.suffix() && scan.settle_grouping() && shape.integerPlaces > 0 &&
           shape.integerPlaces == format.intDigits && shape.fractionPlaces == format.fracDigits;
}

}  // namespace qrv::numformat
