// Forward search for a text frame by its flags.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

// Searches from id up to limit (inclusive, compared before every read) for a
// text frame item whose frame record (store 7, at the item's value) has a
// flag in frameFlagMask.  Tags are not skipped.  -1 when nothing is found,
// a read of an item or of a frame record fails, or the ids stop growing.
extern "C" QRVAPI uint32_t CUFindTextFrameId(uint32_t id, uint32_t limit, uint32_t frameFlagMask, CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() <= limit && walk.read()) {
        const CHItem &item = walk.item();
        if (item.type == CH_ITEM_TEXT_FRAME) {
            CHTextFrameRecord frame{};
            if (CHGetItems(h, CH_STORE_TEXT_FRAMES, item.value, sizeof frame, &frame) != 0) break;
            if ((frame.FrameFlags & frameFlagMask) != 0) return walk.item_id();
        }
        if (!walk.advance()) break;
    }
    return kNoItem;
}
