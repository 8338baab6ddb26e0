#include "styles/definition.hpp"

#include "host/chunker.hpp"

#include <qrvex/navigate.h>

#include <cstring>

namespace qrv::styles {

uint32_t find_definition(CHHandle h, uint32_t style_id, StyleDefinition &definition) {
    return CUGetTagListChangeId(style_id, CH_TAG_STYLE_DEFINITION, 0, &definition.begin_id, &definition.end_id, h);
}

uint32_t read_style_record(CHHandle h, StyleDefinition &definition, CUStyleRecord &record) {
    CHItem begin{};
    uint32_t after_begin = CH_NO_ITEM;
    if (const uint32_t result = host::get_item(h, definition.begin_id, begin, &after_begin); result != 0) return result;
    definition.first_inside_id = after_begin;
    host::LockedRange bytes(h, CH_STORE_STYLE_DATA, begin.data2, sizeof(CUStyleRecord));
    if (!bytes.ok()) return bytes.result();
    std::memcpy(&record, bytes.data(), sizeof record);
    return kOk;
}

}  // namespace qrv::styles
