// FUFormatTextCell: the text values a number format definition applies to
// a text cell.
#include "host/chunker.hpp"

#include <qrvex/navigate.h>
#include <qrvex/numformat.h>

namespace qrv::numformat {
namespace {

constexpr uint32_t kAlways = 8;
constexpr int kMaxDepth = 16;

uint32_t collect_text_values(CHHandle h, uint32_t id, uint32_t *p60, uint32_t *p25, int depth) {
    if (id == CH_NO_ITEM) return QRV_E_NOT_FOUND;
    for (;;) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (uint32_t result = host::get_item(h, id, item, &next); result != 0) return result;
        switch (item.type) {
        case CH_ITEM_TAG_END: return QRV_OK;
        case CH_ITEM_ATTR_25:
            if (p25 != nullptr) *p25 = item.value;
            break;
        case CH_ITEM_ATTR_60:
            if (p60 != nullptr) *p60 = item.data1;
            break;
        case CH_ITEM_FORMAT_CONDITION:
            if (item.value == kAlways && depth < kMaxDepth) {
                uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
                if (uint32_t result = CUGetTagListChangeId(item.data2, CH_TAG_NUMBER_FORMAT, 1, &begin, &end, h);
                    result != 0)
                    return result;
                return collect_text_values(h, begin, p60, p25, depth + 1);
            }
            break;
        default: break;
        }
        if (next != CH_NO_ITEM && next <= id) return QRV_E_INCONSISTENT;
        id = next;
    }
}

}  // namespace
}  // namespace qrv::numformat

extern "C" {

// Walks the definition at formatId for the text values it sets: an item 25
// stores its value through pTextValue25, an item 60 its data1 through
// pTextValue60; a condition that always holds continues in the definition
// it names.  Results: 0 at the definition's end; 37 for the id -1; the code
// of a failing chunker or tag list call, unchanged (a definition without its
// end runs into the chunker's code for the id -1).  Decided here: ids that
// stop growing give 18, and conditions more than 16 definitions deep are
// passed over.
QRVAPI uint32_t FUFormatTextCell(CHHandle h, uint32_t formatId, uint32_t *pTextValue60, uint32_t *pTextValue25) {
    return qrv::numformat::collect_text_values(h, formatId, pTextValue60, pTextValue25, 0);
}

}  // extern "C"
