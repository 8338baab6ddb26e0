// Character attribute codes (value of items 8 and 95): the field each sets
// and its flag bit.  Several codes may share a field.
#pragma once

#include <qrvex/changes.h>

#include <cstdint>

namespace qrv::gather {

struct CharAttribute {
    uint32_t code;
    uint16_t CUTextChangeInfo::*field;
    uint32_t flag;
    bool taken_from_style;  // item 95 may take it from a style
};

// The attribute of a code, or null for a code that sets no attribute.
const CharAttribute *find_char_attribute(uint32_t code);

// Every attribute field once, for comparing records.
const CharAttribute *char_attribute_fields(uint32_t &count);

}  // namespace qrv::gather
