// Forward search for a special character.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

// Searches from id up to limit (exclusive, compared before every read) for a
// special character of the given kind.  Skippable tags are jumped over whole;
// the end of an enclosing skippable tag is returned as it is met.  Running
// out of the range returns the limit itself (also when a skipped tag's end is
// the document's last item); a failed read, an unterminated tag or ids that
// stop growing return -1.
extern "C" QRVAPI uint32_t CUFindSpecialCharId(uint32_t kind, uint32_t id, uint32_t limit, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() < limit) {
        if (!walk.read()) return kNoItem;
        const CHItem &item = walk.item();
        if (item.type == CH_ITEM_SPECIAL_CHAR && item.value == kind) return walk.item_id();
        if (is_skippable_end(item)) return walk.item_id();
        if (!walk.pass(is_skippable_begin(item))) return kNoItem;
    }
    return limit;
}
