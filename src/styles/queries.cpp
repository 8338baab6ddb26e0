// Questions about a numbered style: its predefined type and outline level.
#include "styles/sheet.hpp"

namespace {

bool has_entry(const CUStyleSheet *sheet, uint32_t index) { return sheet && index < sheet->StyleCount; }

}  // namespace

// The style's predefined type (from its record, or its heading number + 1);
// -1 for a null sheet or an index not below StyleCount.
extern "C" QRVAPI int32_t CUStyleGetPredefinedType(CUStyleSheet *sheet, uint32_t styleIndex) {
    if (!has_entry(sheet, styleIndex)) return -1;
    return static_cast<int32_t>(sheet->StyleTable[styleIndex].PredefinedType);
}

// The style's outline level + 1 (0 for none); -1 like CUStyleGetPredefinedType.
extern "C" QRVAPI int32_t CUStyleGetOutlineLevel(CUStyleSheet *sheet, uint32_t styleIndex) {
    if (!has_entry(sheet, styleIndex)) return -1;
    return static_cast<int32_t>(sheet->StyleTable[styleIndex].OutlineLevel);
}
