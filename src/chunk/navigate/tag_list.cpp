// Finding a definition tag (style, list level, number format) through the
// tag list of store 16.
#include "chunk/navigate/run_snapshots.hpp"
#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

using namespace qrv::chunk;

namespace {

bool matches(const CHTagListEntry &entry, uint32_t key, uint32_t tag_code) {
    return entry.Key == key && entry.TagCode == tag_code;
}

// The counted entries, read in place.  Returns the lock's code when the
// range cannot be locked; `found` says whether an entry matched.
uint32_t find_in_counted_entries(CHHandle h, uint32_t first, uint32_t count, uint32_t key, uint32_t tag_code,
                                 uint32_t &begin_id, bool &found) {
    qrv::host::LockedRange range(h, CH_STORE_TAG_LIST, first, count);
    if (!range.ok()) return range.result();
    const CHTagListEntry *entries = range.data<CHTagListEntry>();
    for (uint32_t i = 0; i < count && !found; ++i) {
        found = matches(entries[i], key, tag_code);
        if (found) begin_id = entries[i].TagBeginId;
    }
    return 0;
}

// Entries the count does not cover: read one by one after `last`.  Returns
// 0 with begin_id set, or the chunker's code that ended the walk (entries
// that stop growing end it with 37).
uint32_t find_past_counted_entries(CHHandle h, uint32_t last, uint32_t key, uint32_t tag_code, uint32_t &begin_id) {
    uint32_t id = last;
    for (;;) {
        uint32_t following = kNoItem;
        if (const uint32_t result = CHNextItemId(h, CH_STORE_TAG_LIST, id, &following)) return result;
        if (following <= id) return QRV_E_NOT_FOUND;
        id = following;
        CHTagListEntry entry{};
        if (const uint32_t result = CHGetItem(h, CH_STORE_TAG_LIST, id, &entry, nullptr)) return result;
        if (matches(entry, key, tag_code)) {
            begin_id = entry.TagBeginId;
            return 0;
        }
    }
}

uint32_t find_tag_list_entry(CHHandle h, uint32_t key, uint32_t tag_code, uint32_t &begin_id) {
    uint32_t count = 0;
    uint32_t first = kNoItem;
    if (const uint32_t result = CHGetItemCount(h, CH_STORE_TAG_LIST, &count)) return result;
    if (const uint32_t result = CHGetItemId(h, CH_STORE_TAG_LIST, 0, &first)) return result;
    if (count > 0) {
        bool found = false;
        if (const TagListSnapshot *snapshot = RunSnapshots::tag_list(h); snapshot && snapshot->readable()) {
            const std::optional<uint32_t> begin = snapshot->begin_of(key, tag_code);
            found = begin.has_value();
            if (found) begin_id = *begin;
        } else if (const uint32_t result = find_in_counted_entries(h, first, count, key, tag_code, begin_id, found)) {
            return result;
        }
        if (found) return 0;
    }
    uint32_t last = first;
    if (count > 1) {
        if (const uint32_t result = CHGetItemId(h, CH_STORE_TAG_LIST, count - 1, &last)) return result;
    }
    if (count == 0) {
        CHTagListEntry entry{};
        if (const uint32_t result = CHGetItem(h, CH_STORE_TAG_LIST, first, &entry, nullptr)) return result;
        if (matches(entry, key, tag_code)) {
            begin_id = entry.TagBeginId;
            return 0;
        }
    }
    return find_past_counted_entries(h, last, key, tag_code, begin_id);
}

}  // namespace

// Finds the tag listed under key and tagCode: the counted entries of the tag
// list are searched in place first, then any entries past the count one by
// one.  On a match *pBeginId is the tag begin's id and *pEndId the id of its
// matching end (CUFindTagEndId).  With flags bit 0 set, *pBeginId becomes the
// id of the item after the tag begin instead and the result is the code of
// that read (on a failed read *pBeginId keeps the begin's id).  When the end
// cannot be found, *pEndId is -1 and the result 0 without that read.
// A failed lock of the counted entries returns the lock's code.  During an
// export run the counted entries are read once for all searches.
// 37 for a key of -1; otherwise the chunker's code that ended the search.
extern "C" QRVAPI uint32_t CUGetTagListChangeId(uint32_t key, uint32_t tagCode, uint32_t flags, uint32_t *pBeginId,
                                                uint32_t *pEndId, CHHandle h) {
    if (key == kNoItem || !pBeginId || !pEndId) return QRV_E_NOT_FOUND;
    uint32_t begin = kNoItem;
    if (const uint32_t result = find_tag_list_entry(h, key, tagCode, begin)) return result;
    *pBeginId = begin;
    *pEndId = CUFindTagEndId(begin, h);
    if (*pEndId == kNoItem || (flags & 1u) == 0) return 0;
    CHItem item{};
    uint32_t after = kNoItem;
    const uint32_t result = qrv::host::get_item(h, begin, item, &after);
    if (result == 0) *pBeginId = after;
    return result;
}
