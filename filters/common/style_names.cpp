#include "style_names.hpp"

#include "chars.hpp"

namespace qrv::filters {
const std::string &StyleNames::name_of(CUStyleSheet *sheet, const CUParaChangeInfo &para) {
    if (!(para.ChangeFlags & CU_PARA_CHANGED_STYLE) || !sheet) return none_;
    auto [entry, added] = names_.try_emplace(para.StyleId);
    if (!added) return entry->second;
    const int32_t index = CIStyleNumber(sheet, para.StyleId);
    if (index >= 0 && static_cast<uint32_t>(index) < sheet->StyleCount)
        entry->second = utf8_of(property_text(sheet->ChunkerHandle, sheet->StyleTable[index].NameItemId));
    return entry->second;
}

}  // namespace qrv::filters
