// Forward search for a vector header.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

// Searches from id up to limit (exclusive, compared before every read) for a
// vector header and returns its value (not its id).  Skippable tags are
// jumped over whole; the end of an enclosing skippable tag ends the search.
// -1 when nothing is found or the walk fails.
extern "C" QRVAPI uint32_t CUFindVectorHeaderId(uint32_t id, uint32_t limit, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() < limit && walk.read()) {
        const CHItem &item = walk.item();
        if (item.type == CH_ITEM_VECTOR_HEADER) return item.value;
        if (is_skippable_end(item)) break;
        if (!walk.pass(is_skippable_begin(item))) break;
    }
    return kNoItem;
}
