// Searches for breaks of a given kind, forward and backward.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

namespace {

bool is_text_skipped_begin(const CHItem &item) { return is_tag_begin(item) && is_skipped_by_text_searches(item.value); }

bool is_text_skipped_end(const CHItem &item) { return is_tag_end(item) && is_skipped_by_text_searches(item.value); }

}  // namespace

// Searches forward from id for a break of breakKind while the id is at or
// before both limits (compared before every read).  Skippable tags and tags
// 0x170000 and 0x180000 are jumped over whole; the end of an enclosing
// skippable tag is returned as it is met.  -1 when a limit is passed or the
// walk fails.
extern "C" QRVAPI uint32_t CUFindBreakEndId(uint32_t id, uint32_t limitA, uint32_t limitB, uint32_t breakKind,
                                            CHHandle h) {
    ForwardWalk walk(h, id);
    while (walk.position() <= limitA && walk.position() <= limitB && walk.read()) {
        const CHItem &item = walk.item();
        if (is_break_of(item, breakKind)) return walk.item_id();
        if (is_skippable_end(item)) return walk.item_id();
        if (!walk.pass(is_text_skipped_begin(item))) break;
    }
    return kNoItem;
}

// Searches backward from id itself, with no lower bound, for a break of
// breakKind; a skippable tag begin met on the way (the begin of an enclosing
// tag) is returned instead.  Ends of skippable tags and of tags 0x170000 and
// 0x180000 are walked back over to their begins.  0 when the walk runs out
// of items, a read fails or the ids stop shrinking.
extern "C" QRVAPI uint32_t CUFindBreakBeginId(uint32_t id, uint32_t breakKind, CHHandle h) {
    CHItem item{};
    for (;;) {
        if (qrv::host::get_item(h, id, item, nullptr) != 0) return 0;
        if (is_break_of(item, breakKind)) return id;
        if (is_skippable_begin(item)) return id;
        if (is_text_skipped_end(item) && !find_tag_begin_backward(h, id, id)) return 0;
        if (!step_back(h, id)) return 0;
    }
}
