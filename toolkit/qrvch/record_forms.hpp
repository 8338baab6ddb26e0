// Records of stores 3, 7, 10 and 11 written field by field: each directive
// names its store, its size and its fields.
#pragma once

#include <qrvex/items.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace qrv::ch {

struct RecordField {
    std::string_view name;
    uint32_t offset;
    uint32_t width;    // 2 or 4 bytes
    uint32_t initial;  // value when the line does not give one
    bool positional;   // may be given without its name, in table order
};

struct RecordForm {
    std::string_view directive;
    CHStore store;
    uint32_t size;
    std::span<const RecordField> fields;
};

// The form a directive names, or null.
const RecordForm *find_record_form(std::string_view directive);

}  // namespace qrv::ch
