// The kind of a style, read straight from its definition.
#include "styles/definition.hpp"

// The Kind of the style's record (0 character, 1 paragraph, 4 list, ...).
// 15 for a null handle or a style id of -1; 25 when the definition cannot
// be found or its record read.
extern "C" QRVAPI uint32_t CUCheckStyleType(CHHandle h, uint32_t styleId) {
    using namespace qrv::styles;
    if (h == 0 || styleId == kNoStyle) return kBadArg;
    StyleDefinition definition;
    if (find_definition(h, styleId, definition) != kOk) return kBadStyle;
    CUStyleRecord record{};
    if (read_style_record(h, definition, record) != kOk) return kBadStyle;
    return record.Kind;
}
