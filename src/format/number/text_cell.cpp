// FUFormatTextCell: the text values a number format definition applies to
// a text cell.
#include "format/number/compile.hpp"
#include "format/number/condition_chain.hpp"
#include "host/chunker.hpp"

#include <qrvex/navigate.h>
#include <qrvex/numformat.h>

namespace qrv::numformat {
namespace {

// A step of a chain of always-conditions: the definition walked, the
// condition met in it, and the definition it goes on in.  The chain has come
// back when the same condition is met again.
struct TextLead {
    uint32_t from = CH_NO_ITEM;
    uint32_t conditionId = CH_NO_ITEM;
    uint32_t target = CH_NO_ITEM;
    bool operator==(const TextLead &other) const { return conditionId == other.conditionId; }
};

// Walks one definition for its text values, writing them as it meets them
// (unless told to be quiet).  True, with the lead, at a condition that always
// holds (when conditions are followed); false when the walk ends in this
// definition, with its result.
class TextValueWalk {
public:
    TextValueWalk(CHHandle h, uint32_t *p60, uint32_t *p25) : h_(h), p60_(p60), p25_(p25) {}

    bool leads_on(uint32_t id, TextLead &lead, Effects effects = Effects::kMade, bool followConditions = true);
    uint32_t result() const { return result_; }

private:
    bool end_with(uint32_t result) {
        result_ = result;
        return false;
    }

    CHHandle h_;
    uint32_t *p60_;
    uint32_t *p25_;
    uint32_t result_ = QRV_OK;
};

bool TextValueWalk::leads_on(uint32_t id, TextLead &lead, Effects effects, bool followConditions) {
    if (id == CH_NO_ITEM) return end_with(QRV_E_NOT_FOUND);
    const bool writes = effects == Effects::kMade;
    for (const uint32_t from = id;;) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (uint32_t result = host::get_item(h_, id, item, &next); result != 0) return end_with(result);
        switch (item.type) {
        case CH_ITEM_TAG_END: return end_with(QRV_OK);
        case CH_ITEM_ATTR_25:
            if (p25_ != nullptr && writes) *p25_ = item.value;
            break;
        case CH_ITEM_ATTR_60:
            if (p60_ != nullptr && writes) *p60_ = item.data1;
            break;
        case CH_ITEM_FORMAT_CONDITION:
            if (item.value == kAlways && followConditions) {
                uint32_t target = CH_NO_ITEM, end = CH_NO_ITEM;
                if (uint32_t result = CUGetTagListChangeId(item.data2, CH_TAG_NUMBER_FORMAT, 1, &target, &end, h_);
                    result != 0)
                    return end_with(result);
                lead = {from, id, target};
                return true;
            }
            break;
        default: break;
        }
        if (next != CH_NO_ITEM && next <= id) return end_with(QRV_E_INCONSISTENT);
        id = next;
    }
}

// The text values along the chain of always-conditions from id.  A chain
// that comes back walks the definition it came back to once more with its
// conditions passed over.
uint32_t collect_text_values(CHHandle h, uint32_t id, uint32_t *p60, uint32_t *p25) {
    TextValueWalk walk(h, p60, p25);
    TextLead first;
    if (!walk.leads_on(id, first)) return walk.result();
    const ChainEnd<TextLead> end =
        follow_chain(first, [&walk](const TextLead &lead, TextLead &following, Effects effects) {
            return walk.leads_on(lead.target, following, effects);
        });
    if (end.repeated) {
        TextLead none;
        walk.leads_on(end.lead.from, none, Effects::kMade, false);
    }
    return walk.result();
}

}  // namespace
}  // namespace qrv::numformat

extern "C" {

// Walks the definition at formatId for the text values it sets: an item 25
// stores its value through pTextValue25, an item 60 its data1 through
// pTextValue60; a condition that always holds continues in the definition
// it names.  Results: 0 at the definition's end; 37 for the id -1; the code
// of a failing chunker or tag list call, unchanged (a definition without its
// end runs into the chunker's code for the id -1).  A chain of conditions is
// followed to its end, however long.  Decided here: ids that stop growing
// give 18, and a chain that comes back to a definition already walked walks
// it once more with its conditions passed over.
QRVAPI uint32_t FUFormatTextCell(CHHandle h, uint32_t formatId, uint32_t *pTextValue60, uint32_t *pTextValue25) {
    return qrv::numformat::collect_text_values(h, formatId, pTextValue60, pTextValue25);
}

}  // extern "C"
