#include "format/number/compile.hpp"

#include "format/number/format_code.hpp"
#include "host/chunker.hpp"

#include <qrvex/datavalue.h>

namespace qrv::numformat {
namespace {

constexpr uint32_t kNoPoint = FU_FORMAT_MAX_CODES;

struct Compiler {
    FUNumberFormat &format;
    bool exponentEntered = false;

    bool full() const { return format.codeCount >= FU_FORMAT_MAX_CODES; }
    void append(FUFormatCode code) {
        if (!full()) format.codes[format.codeCount++] = code;
    }

    void add_token(uint32_t token) {
        if (full()) return;
        if (is_digit_placeholder(token)) {
            if (exponentEntered)
                ++format.expDigits;
            else if (format.pointPos != kNoPoint)
                ++format.fracDigits;
            else
                ++format.intDigits;
        }
        if (token == FU_TOKEN_POINT) format.pointPos = format.codeCount;
        if (token == FU_TOKEN_EXPONENT) exponentEntered = true;
        format.FormatFlags |= flags_of_token(token);
        append(token_code(token));
    }

    // Appends the run's characters; true when the run is a lone "/" of a
    // format that is not a date, which turns the format into general form.
    bool add_text_run(CHHandle h, const CHItem &run) {
        if (run.data1 == 0) return false;
        host::LockedRange chars(h, CH_STORE_TEXT, run.value, run.data1);
        if (!chars.ok()) return false;
        const QRVWCHAR *text = chars.data<QRVWCHAR>();
        if (run.data1 == 1 && text[0] == u'/' && (format.FormatFlags & FU_FORMAT_DATE_TIME) == 0) return true;
        for (uint32_t i = 0; i < run.data1 && !full(); ++i) append(text[i]);
        return false;
    }
};

void complete_counts(FUNumberFormat &format) {
    if (format.codeCount == 0) format.FormatFlags |= FU_FORMAT_GENERAL;
    if (format.pointPos == kNoPoint) format.pointPos = format.codeCount;
}

}  // namespace

FormatView default_format(uint32_t textValue60) {
    static constexpr FUFormatCode kCodes[] = {token_code(FU_TOKEN_DIGIT_ZERO)};
    FormatView view{};
    view.codeCount = 1;
    view.pointPos = 1;
    view.textValue60 = textValue60;
    view.FormatFlags = FU_FORMAT_GENERAL;
    view.codes = kCodes;
    return view;
}

CompileOutcome compile_definition(CHHandle h, uint32_t id, double value, uint32_t textValue60, bool followConditions,
                                  FUNumberFormat &format) {
    QRVHGLOBAL block = format.hBlock;
    format = FUNumberFormat{};
    format.hBlock = block;
    format.pointPos = kNoPoint;
    format.textValue60 = textValue60;
    Compiler compiler{format};
    CompileOutcome outcome;
    outcome.kind = CompileOutcome::kCutOff;
    while (!compiler.full()) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (host::get_item(h, id, item, &next) != 0) break;
        if (item.type == CH_ITEM_TAG_END) {
            outcome.kind = CompileOutcome::kComplete;
            break;
        }
        switch (item.type) {
        case CH_ITEM_TEXT:
            if (compiler.add_text_run(h, item)) {
                // Fraction formats are shown as their general text alone.
                format.FormatFlags = FU_FORMAT_GENERAL;
                format.codeCount = 0;
                format.pointPos = kNoPoint;
                outcome.kind = CompileOutcome::kComplete;
                complete_counts(format);
                return outcome;
            }
            break;
        case CH_ITEM_SPECIAL_CHAR: compiler.add_token(item.value); break;
        case CH_ITEM_ATTR_25:
            format.textValue25 = item.value;
            format.FormatFlags |= FU_FORMAT_TEXT25;
            break;
        case CH_ITEM_ATTR_60:
            if ((item.value & 1) == 0) {
                format.textValue60 = item.data1;
                format.FormatFlags |= FU_FORMAT_TEXT60;
            }
            break;
        case CH_ITEM_FORMAT_CONDITION: {
            outcome.hasConditions = true;
            if (!followConditions) break;
            double comparand = 0.0;
            FUDataVal(h, next, &comparand);
            if (!condition_holds(item.value & 0xFFFF, value, comparand)) break;
            const uint32_t target = condition_target(h, item, next);
            if (target == CH_NO_ITEM) break;  // format this definition without the condition
            outcome.kind = CompileOutcome::kRedirect;
            outcome.conditionId = id;
            outcome.targetId = target;
            outcome.targetValue = (item.data1 & 1) != 0 || !(value < 0) ? value : -value;
            return outcome;
        }
        default: break;
        }
        if (next == CH_NO_ITEM || next <= id) break;  // nothing follows: the definition is cut off
        id = next;
    }
    if (compiler.full()) outcome.kind = CompileOutcome::kComplete;
    complete_counts(format);
    return outcome;
}

}  // namespace qrv::numformat
