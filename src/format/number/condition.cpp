// Format conditions: a comparison with the data value that follows the
// condition item, and the definition it leads to.
#include "format/number/compile.hpp"

#include "host/chunker.hpp"

#include <qrvex/navigate.h>

namespace qrv::numformat {
namespace {

constexpr uint32_t kTargetIsCellTag = 0x10000;

// The first spreadsheet cell tag after the condition whose data1 is key.
uint32_t find_cell_tag(CHHandle h, uint32_t id, uint32_t key) {
    while (id != CH_NO_ITEM) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (host::get_item(h, id, item, &next) != 0) return CH_NO_ITEM;
        if (item.type == CH_ITEM_TAG_BEGIN && item.value == CH_TAG_SS_CELL && item.data1 == key) return id;
        if (next <= id) return CH_NO_ITEM;
        id = next;
    }
    return CH_NO_ITEM;
}

}  // namespace

bool condition_holds(uint32_t test, double value, double comparand) {
    switch (test) {
    case kLess: return value < comparand;
    case kGreater: return value > comparand;
    case kEqual: return value == comparand;
    case kLessOrEqual: return value <= comparand;
    case kGreaterOrEqual: return value >= comparand;
    case kNotEqual: return value != comparand;
    case kAlways: return true;
    default: return false;
    }
}

uint32_t condition_target(CHHandle h, const CHItem &condition, uint32_t nextId) {
    if ((condition.value & kTargetIsCellTag) != 0) return find_cell_tag(h, nextId, condition.data2);
    uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
    if (CUGetTagListChangeId(condition.data2, CH_TAG_NUMBER_FORMAT, 1, &begin, &end, h) != 0) return CH_NO_ITEM;
    return begin;
}

}  // namespace qrv::numformat
