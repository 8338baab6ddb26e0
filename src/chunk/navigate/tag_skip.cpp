// Skipping a tag whole, forward and backward, and finding where a tag ends.
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

// id is the item after a tag begin.  Returns the id of the item after the
// matching tag end, counting nested tags of any code.  -1 when the chunker
// fails, the tag never ends, or the ids stop growing.  Nesting depth costs no
// stack.
extern "C" QRVAPI uint32_t CUSkipTag(uint32_t id, CHHandle h) {
    const TagSkip skip = skip_tag_from(h, id);
    return skip.ok ? skip.after_id : kNoItem;
}

// id is a tag end.  Walks back to the matching tag begin and returns its id,
// counting nested tags of any code.  37 when the chunker reports no earlier
// item or fails a read, and when the ids stop shrinking.  A failure inside a
// nested tag ends the whole walk with 37 (it is not resumed from an outer
// level).
extern "C" QRVAPI uint32_t CUSkipTagReverse(uint32_t id, CHHandle h) {
    uint32_t begin = kNoItem;
    return find_tag_begin_backward(h, id, begin) ? begin : uint32_t{QRV_E_NOT_FOUND};
}

// When the item at id is a tag begin, returns the id of its matching end.
// Otherwise returns the first tag end at or after id that closes no tag
// begun after id (nested tags are skipped whole).  -1 on any failure.
// The matching end is taken as the end item the skip met, so a tag whose end
// is the document's last item is found too.
extern "C" QRVAPI uint32_t CUFindTagEndId(uint32_t id, CHHandle h) {
    ForwardWalk walk(h, id);
    if (!walk.read()) return kNoItem;
    if (is_tag_begin(walk.item())) return walk.skip_tag() ? walk.last_tag_end_id() : kNoItem;
    do {
        if (is_tag_end(walk.item())) return walk.item_id();
        if (!walk.pass(is_tag_begin(walk.item()))) return kNoItem;
    } while (walk.read());
    return kNoItem;
}

// 1 with the tag code when the item at id is a tag begin; otherwise (also
// when the item cannot be read) 0 with a code of 0.  pTagCode may be null.
extern "C" QRVAPI uint32_t CUIsBeginTag(uint32_t id, uint32_t *pTagCode, CHHandle h) {
    CHItem item{};
    const bool begin = qrv::host::get_item(h, id, item, nullptr) == 0 && is_tag_begin(item);
    if (pTagCode) *pTagCode = begin ? item.value : 0;
    return begin ? 1 : 0;
}
