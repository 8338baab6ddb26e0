// One call of the number formatter, as the chain of definitions it formats
// by sees it.
#pragma once

#include "format/number/format_value.hpp"

#include <qrvex/cache.h>
#include <qrvex/numformat.h>

#include <cstdint>

namespace qrv::numformat {

struct NumberCall {
    CHHandle h;
    QRVWCHAR *output;
    uint32_t outputSize;
    uint32_t dayBase;
    uint32_t dateFlags;
    uint32_t exponentOptions;
    uint32_t *pTextValue60;
    uint32_t *pTextValue25;
    MUCache *cache;
    uint32_t hOptions;
    DigitPath digits = DigitPath::kShort;
    WalkPath walk = WalkPath::kFast;
};

// Formats value by the definition formatId (CH_NO_ITEM: the default one),
// following its conditions; returns the length of the text in output.
uint32_t format_number(const NumberCall &call, uint32_t formatId, double value);

}  // namespace qrv::numformat
