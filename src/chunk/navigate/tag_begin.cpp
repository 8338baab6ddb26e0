// Forward search for a tag begin with a given code.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

// Searches from id up to limit (exclusive, compared before every read) for a
// tag begin whose code is tagCode, whatever its skippable bit.  Other
// skippable tags are jumped over whole; the end of an enclosing skippable tag
// is returned as it is met.  -1 when the range runs out or the walk fails.
extern "C" QRVAPI uint32_t CUFindTagBeginId(uint32_t id, uint32_t limit, uint32_t tagCode, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() < limit && walk.read()) {
        const CHItem &item = walk.item();
        if (is_tag_begin(item) && item.value == tagCode) return walk.item_id();
        if (is_skippable_end(item)) return walk.item_id();
        if (!walk.pass(is_skippable_begin(item))) break;
    }
    return kNoItem;
}
