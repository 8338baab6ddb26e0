// A style's definition in the item stream: the style definition tag listed
// in the tag list under the style id, and the style record its begin points
// at.
#pragma once

#include "styles/sheet.hpp"

namespace qrv::styles {

struct StyleDefinition {
    uint32_t begin_id = CH_NO_ITEM;         // the tag begin
    uint32_t end_id = CH_NO_ITEM;           // its matching end
    uint32_t first_inside_id = CH_NO_ITEM;  // the item after the begin, once the begin was read
};

// kOk, or the tag list search's code.
uint32_t find_definition(CHHandle h, uint32_t style_id, StyleDefinition &definition);

// Reads the definition's tag begin and copies its style record; sets
// first_inside_id.  kOk or the chunker's code.
uint32_t read_style_record(CHHandle h, StyleDefinition &definition, CUStyleRecord &record);

}  // namespace qrv::styles
