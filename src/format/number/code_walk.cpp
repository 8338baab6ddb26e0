// The code walk: digit placeholders take the rendered digits part by part
// (integer, fraction, exponent), literals and field tokens write their text.
#include "format/number/code_walk.hpp"

#include "format/number/format_code.hpp"

#include <cmath>

namespace qrv::numformat {
namespace {

constexpr uint32_t kMaxRepeat = kMaxOutput;

class Walker {
public:
    Walker(const WalkInput &in, OutputText &out)
        : in_(in),
          out_(out),
          work_(in.work),
          n_(in.work.intCount),
          f_(in.work.fracCount),
          x_(in.work.expCount),
          i_(in.format.intDigits),
          p_(in.format.fracDigits),
          q_(in.format.expDigits),
          intPos_(in.work.intStart),
          fracPos_(in.work.point >= 0 ? in.work.frac_start() : 0),
          expPos_(in.work.mark >= 0 ? in.work.exp_start() : 0),
          isDate_((in.format.FormatFlags & FU_FORMAT_DATE_TIME) != 0),
          decimal_(static_cast<unsigned char>(in.intl.DecimalSeparator)),
          thousands_(static_cast<unsigned char>(in.intl.ThousandsSeparator)) {}

    void run() {
        const FormatView &format = in_.format;
        const uint32_t flags = format.FormatFlags;
        if (in_.negative && (flags & FU_FORMAT_DIGITS) != 0 && (flags & FU_FORMAT_GENERAL) == 0) out_.put(u'-');
        const uint32_t count = format.codeCount;
        for (uint32_t c = 0; c < count && !out_.full(); ++c) {
            const FUFormatCode code = format.codes[c];
            if (!is_token(code)) {
                literal(static_cast<QRVWCHAR>(code));
                continue;
            }
            const uint32_t token = token_of(code);
            if (is_digit_placeholder(token)) {
                placeholder(token);
            } else if (token == FU_TOKEN_POINT) {  // the common tokens skip the dispatch call
                point();
            } else if (token == FU_TOKEN_GROUPING) {
                grouping_ = true;
            } else if (token == FU_TOKEN_ESCAPE || token == FU_TOKEN_REPEAT) {
                // These take the low byte of the next code, which they consume.
                if (++c >= count) break;
                dispatch(token, static_cast<QRVWCHAR>(format.codes[c] & 0xFF));
            } else {
                dispatch(token, 0);
            }
        }
    }

private:
    enum class Part { kInteger, kFraction, kExponent };

    // The tokens run() does not handle itself.
    void dispatch(uint32_t token, QRVWCHAR nextChar) {
        switch (token) {
        case FU_TOKEN_EXPONENT: exponent(); break;
        case FU_TOKEN_TEXT:
        case FU_TOKEN_GENERAL: whole_number(); break;
        case FU_TOKEN_MASK: mask(); break;
        case FU_TOKEN_ESCAPE: out_.put(nextChar); break;
        case FU_TOKEN_REPEAT: repeat(nextChar); break;
        default: put_field_token(token, in_, out_); break;
        }
    }

    static QRVWCHAR pad_of(uint32_t token) {
        return token == FU_TOKEN_DIGIT_ZERO ? u'0' : token == FU_TOKEN_DIGIT_BLANK ? u' ' : 0;
    }
    void pad(uint32_t token) {
        if (QRVWCHAR c = pad_of(token)) out_.put(c);
    }

    void put_integer_digits(uint32_t count) {
        for (; count > 0 && n_ > 0; --count, --n_) out_.put(work_.text[intPos_++]);
    }

    // Rounds what is written on the next unwritten fraction digit; the
    // digits left are then used up, so a number is rounded once.
    void round_on_next_fraction_digit() {
        if (f_ == 0) return;
        const QRVWCHAR next = work_.text[fracPos_];
        if (next >= u'5' && next <= u'9') out_.round_up(decimal_, thousands_);
        f_ = 0;
    }

    void apply_grouping() {
        if (!grouping_) return;
        out_.group(thousands_);
        grouping_ = false;
    }

    void literal(QRVWCHAR c) {
        if (!isDate_ && integerPlaceholderMet_ && n_ > i_) put_integer_digits(n_ - i_);
        out_.put(c);
    }

    void placeholder(uint32_t token) {
        switch (part_) {
        case Part::kInteger: integer_placeholder(token); break;
        case Part::kFraction: fraction_placeholder(token); break;
        case Part::kExponent: exponent_placeholder(token); break;
        }
    }

    void integer_placeholder(uint32_t token) {
        integerPlaceholderMet_ = true;
        if (i_ == 0) return;
        const bool blankZero = token == FU_TOKEN_DIGIT_BLANK && in_.value == 0;
        if (i_ <= n_ && !blankZero) {
            put_integer_digits(1);
        } else {
            pad(token);
        }
        --i_;
        if (i_ != 0) return;
        put_integer_digits(n_);
        if (in_.format.fracDigits == 0) round_on_next_fraction_digit();
        apply_grouping();
    }

    void fraction_placeholder(uint32_t token) {
        if (p_ == 0) return;
        if (f_ == 0) {
            pad(token);
        } else {
            out_.put(work_.text[fracPos_++]);
            --f_;
        }
        --p_;
        if (p_ == 0) round_on_next_fraction_digit();
    }

    void exponent_placeholder(uint32_t token) {
        if (q_ == 0) return;
        if (x_ < q_) {
            pad(token);
        } else {
            out_.put(work_.text[expPos_++]);
            --x_;
        }
        --q_;
    }

    void point() {
        if (part_ != Part::kInteger || isDate_) {
            out_.put(u'.');
            return;
        }
        put_integer_digits(n_);
        apply_grouping();
        out_.put(decimal_);
        part_ = Part::kFraction;
    }

    void exponent() {
        if (in_.format.fracDigits == 0) round_on_next_fraction_digit();
        if (work_.mark < 0) return;
        out_.put(work_.text[work_.mark]);
        out_.put(work_.text[work_.mark + 1]);
        part_ = Part::kExponent;
        if (x_ > q_) {
            for (uint32_t excess = x_ - q_; excess > 0; --excess, --x_) out_.put(work_.text[expPos_++]);
        }
    }

    void whole_number() {
        if (in_.negative && (in_.format.FormatFlags & FU_FORMAT_DIGITS) == 0) out_.put(u'-');
        out_.put_wide(work_.text, work_.length);
    }

    void mask() {
        for (uint32_t k = 0; k < work_.length; ++k)
            if (work_.text[k] >= u'0' && work_.text[k] <= u'9') work_.text[k] = u'*';
    }

    void repeat(QRVWCHAR c) {
        if (!(in_.value > 0)) return;
        const double times = std::ceil(in_.value);
        const uint32_t count = times >= kMaxRepeat ? kMaxRepeat : static_cast<uint32_t>(times);
        for (uint32_t k = 0; k < count && !out_.full(); ++k) out_.put(c);
    }

    const WalkInput &in_;
    OutputText &out_;
    WorkNumber &work_;
    uint32_t n_, f_, x_;  // digits not yet written: integer, fraction, exponent
    uint32_t i_, p_, q_;  // placeholders not yet met, by part
    uint32_t intPos_, fracPos_, expPos_;
    bool isDate_;
    QRVWCHAR decimal_, thousands_;
    Part part_ = Part::kInteger;
    bool grouping_ = false;
    bool integerPlaceholderMet_ = false;
};

}  // namespace

void walk_codes(const WalkInput &input, OutputText &out) { Walker(input, out).run(); }

}  // namespace qrv::numformat
