// Compiling a number format definition of the item stream.
#pragma once

#include "format/number/format_view.hpp"

#include <qrvex/numformat.h>

#include <cstdint>

namespace qrv::numformat {

// Where compiling a definition ended.
struct CompileOutcome {
    enum Kind { kComplete, kCutOff, kRedirect } kind = kComplete;
    bool hasConditions = false;         // the definition holds condition items
    uint32_t conditionId = CH_NO_ITEM;  // kRedirect: the condition item that holds
    uint32_t targetId = CH_NO_ITEM;     // kRedirect: the definition to format instead
    double targetValue = 0.0;           // kRedirect: the value to format it with
};

// The format used for the format id -1: general form.
FormatView default_format(uint32_t textValue60);

// Compiles the definition starting at id into format (whose hBlock is kept).
// Conditions are tested against value when followConditions is set; a
// condition that holds and whose target is found ends compiling with
// kRedirect.  The counts and flags are completed as the formatter needs
// them (no codes: general form; no point: pointPos = codeCount).
CompileOutcome compile_definition(CHHandle h, uint32_t id, double value, uint32_t textValue60, bool followConditions,
                                  FUNumberFormat &format);

// The tests of a condition item (the low half of its value).
enum ConditionTest : uint32_t {
    kLess = 1,
    kGreater = 2,
    kEqual = 3,
    kLessOrEqual = 4,
    kGreaterOrEqual = 5,
    kNotEqual = 6,
    kAlways = 8
};

// Condition items (type 128).
bool condition_holds(uint32_t test, double value, double comparand);
// The id of the definition a condition leads to, or CH_NO_ITEM.
uint32_t condition_target(CHHandle h, const CHItem &condition, uint32_t nextId);

}  // namespace qrv::numformat
