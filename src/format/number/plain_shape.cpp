#include "format/number/plain_shape.hpp"

#include "format/number/format_code.hpp"

#include <qrvda.h>

namespace qrv::numformat {
namespace {

enum class Section { kPrefix, kInteger, kFraction, kSuffix };

constexpr uint32_t kCurrencyWidth = sizeof(FUIntlSettings{}.CurrencySymbol);

bool is_digit_character(FUFormatCode code) {
    const auto c = static_cast<QRVWCHAR>(code);
    return c >= u'0' && c <= u'9';
}

class ShapeScan {
public:
    explicit ShapeScan(PlainShape &shape) : shape_(shape) {}

    // False when the code breaks the shape.
    bool take(FUFormatCode code, uint32_t index) {
        if (!is_token(code)) return text(index, 1, !is_digit_character(code));
        switch (const uint32_t token = token_of(code)) {
        case FU_TOKEN_DIGIT_ZERO:
        case FU_TOKEN_DIGIT_OPTIONAL: return placeholder(index);
        case FU_TOKEN_DIGIT_BLANK: return at_ == Section::kFraction && placeholder(index);
        case FU_TOKEN_POINT: return point(index);
        case FU_TOKEN_GROUPING:
            if (at_ == Section::kPrefix || at_ == Section::kInteger) {
                if (firstGrouping_ == kNone) firstGrouping_ = index;
                lastGrouping_ = index;
            }
            return true;
        case FU_TOKEN_PERCENT: return text(index, 1, true);
        case FU_TOKEN_CURRENCY:
            shape_.currencyInPrefix |= at_ == Section::kPrefix;
            return text(index, kCurrencyWidth, true);
        default: (void)token; return false;
        }
    }

    void finish(uint32_t count) {
        if (at_ == Section::kInteger) shape_.integerEnd = count;
        if (at_ == Section::kInteger || at_ == Section::kFraction) shape_.fractionEnd = count;
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
    bool placeholder(uint32_t index) {
        switch (at_) {
        case Section::kPrefix:
            at_ = Section::kInteger;
            shape_.integerBegin = index;
            [[fallthrough]];
        case Section::kInteger:
            ++shape_.integerPlaces;
            lastInteger_ = index;
            return true;
        case Section::kFraction: ++shape_.fractionPlaces; return true;
        case Section::kSuffix: return false;
        }
        return false;
    }

    bool point(uint32_t index) {
        if (at_ != Section::kInteger) return false;
        at_ = Section::kFraction;
        shape_.point = true;
        shape_.integerEnd = index;
        return true;
    }

    // Text ends the digits; in the prefix it may hold no digit characters.
    bool text(uint32_t index, uint32_t width, bool allowedInPrefix) {
        if (at_ == Section::kPrefix && !allowedInPrefix) return false;
        finish(index);
        if (at_ != Section::kPrefix) at_ = Section::kSuffix;
        shape_.textWidth += width;
        return true;
    }

    static constexpr uint32_t kNone = UINT32_MAX;

    PlainShape &shape_;
    Section at_ = Section::kPrefix;
    uint32_t firstGrouping_ = kNone;
    uint32_t lastGrouping_ = kNone;
    uint32_t lastInteger_ = 0;
};

}  // namespace

bool plain_shape_of(const FormatView &format, PlainShape &shape) {
    shape = PlainShape{};
    ShapeScan scan(shape);
    for (uint32_t c = 0; c < format.codeCount; ++c)
        if (!scan.take(format.codes[c], c)) return false;
    scan.finish(format.codeCount);
    return scan.settle_grouping() && shape.integerPlaces > 0 && shape.integerPlaces == format.intDigits &&
           shape.fractionPlaces == format.fracDigits;
}

}  // namespace qrv::numformat
