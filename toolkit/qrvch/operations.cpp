// The nine operations the export library imports.  Each one checks its
// handle, counts the call, applies an injected fault, checks its store and
// then works on the document; nothing is written when a call fails.
#include "registry.hpp"

#include <cstring>

namespace qrv::ch {

namespace {

struct Call {
    Document *doc = nullptr;
    Store *store = nullptr;
    uint32_t error = 0;
};

Call begin_call(CHHandle h, uint32_t op, CHStore code, uint32_t id) {
    Call call;
    call.doc = find_document(h);
    if (!call.doc) {
        call.error = CH_ERR_BAD_HANDLE;
        return call;
    }
    if (auto injected = call.doc->faults().on_call(op, code, id)) {
        call.error = *injected;
        return call;
    }
    call.store = call.doc->find_store(code);
    if (!call.store) call.error = CH_ERR_BAD_STORE;
    return call;
}

// The error of a range that could not be addressed: a first id that names
// nothing, or a count that runs past the end.
uint32_t range_error(Store &store, uint32_t first) {
    const bool at_end = store.is_units() && first == store.count();
    return store.index_of(first) || at_end ? CH_ERR_RANGE : CH_ERR_NO_ITEM;
}

// The id after the entry at index, or CH_NO_ITEM after the last one.
uint32_t following_id(const Store &store, uint32_t index) {
    const uint32_t step = store.is_units() ? store.shape().get_units : 1;
    if (uint64_t{index} + step >= store.count()) return CH_NO_ITEM;
    return store.id_of(index + step);
}

uint32_t get_item(Call &call, CHStore code, uint32_t id, void *record, uint32_t *next) {
    Store &store = *call.store;
    const uint32_t units = store.is_units() ? store.shape().get_units : 1;
    const std::optional<uint32_t> index = store.index_of(id);
    if (!index || uint64_t{*index} + units > store.count()) return CH_ERR_NO_ITEM;
    const size_t bytes = size_t{units} * store.shape().unit_bytes;
    const uint8_t *entry = store.read(*index, units);
    if (bytes == sizeof(CHItem))
        std::memcpy(record, entry, sizeof(CHItem));  // store 0: a fixed copy
    else
        std::memcpy(record, entry, bytes);
    if (next) {
        const bool last = uint64_t{*index} + units >= store.count();
        const uint32_t following = last ? CH_NO_ITEM : store.id_after(id, *index, units);
        *next = call.doc->faults().redirect(CH_OP_GET_ITEM, code, id, following);
    }
    return 0;
}

uint32_t step_id(Call &call, uint32_t op, CHStore code, uint32_t id, uint32_t *result, bool forward) {
    Store &store = *call.store;
    auto index = store.index_of(id);
    if (!index) return CH_ERR_NO_ITEM;
    const uint32_t step = store.is_units() ? store.shape().get_units : 1;
    uint32_t found;
    if (forward) {
        found = following_id(store, *index);
        if (found == CH_NO_ITEM) return CH_ERR_NO_ITEM;
    } else {
        if (*index < step) return CH_ERR_NO_ITEM;
        found = store.id_of(*index - step);
    }
    *result = call.doc->faults().redirect(op, code, id, found);
    return 0;
}

// The last item of a section: the one before the next section's first, or
// the last item of the document.
uint32_t section_last_item(Document &doc, uint32_t section) {
    Store &items = doc.items();
    Store &sections = doc.store(CH_STORE_SECTIONS);
    if (section + 1 < sections.count()) {
        CHItem next;
        std::memcpy(&next, sections.at(section + 1), sizeof next);
        if (auto first = items.index_of(next.data2)) return *first == 0 ? CH_NO_ITEM : items.id_of(*first - 1);
    }
    return items.count() == 0 ? CH_NO_ITEM : items.id_of(items.count() - 1);
}

}  // namespace

}  // namespace qrv::ch

using namespace qrv::ch;

/* Fills the record of the entry at id and, when pNextId is not null, the id
 * of the entry after it (CH_NO_ITEM after the last).  CH_ERR_NO_ITEM when id
 * names nothing. */
extern "C" uint32_t CHGetItem(CHHandle h, CHStore store, uint32_t id, void *record, uint32_t *pNextId) {
    Call call = begin_call(h, CH_OP_GET_ITEM, store, id);
    if (call.error) return call.error;
    if (!record) return CH_ERR_BAD_ARG;
    return get_item(call, store, id, record, pNextId);
}

/* Copies count units or records from firstId.  CH_ERR_NO_ITEM when firstId
 * names nothing, CH_ERR_RANGE when the range runs past the end. */
extern "C" uint32_t CHGetItems(CHHandle h, CHStore store, uint32_t firstId, uint32_t count, void *buffer) {
    Call call = begin_call(h, CH_OP_GET_ITEMS, store, firstId);
    if (call.error) return call.error;
    if (!buffer && count) return CH_ERR_BAD_ARG;
    const uint8_t *data = call.store->range(firstId, count);
    if (!data) return range_error(*call.store, firstId);
    if (count) std::memcpy(buffer, data, size_t{count} * call.store->shape().unit_bytes);
    return 0;
}

/* Makes count units or records from firstId addressable in place until the
 * matching CHUnlockItemRange.  Errors as CHGetItems. */
extern "C" uint32_t CHLockItemRange(CHHandle h, CHStore store, uint32_t firstId, uint32_t count, void **ppAddress) {
    Call call = begin_call(h, CH_OP_LOCK_RANGE, store, firstId);
    if (call.error) return call.error;
    if (!ppAddress) return CH_ERR_BAD_ARG;
    uint8_t *data = call.store->range(firstId, count);
    if (!data) return range_error(*call.store, firstId);
    call.doc->lock(store, firstId, count);
    *ppAddress = data;
    return 0;
}

/* Releases a range locked with the same store, id and count;
 * CH_ERR_NOT_LOCKED when no such lock is held. */
extern "C" uint32_t CHUnlockItemRange(CHHandle h, CHStore store, uint32_t firstId, uint32_t count) {
    Call call = begin_call(h, CH_OP_UNLOCK_RANGE, store, firstId);
    if (call.error) return call.error;
    return call.doc->unlock(store, firstId, count) ? 0 : CH_ERR_NOT_LOCKED;
}

/* Number of records, items or units in the store. */
extern "C" uint32_t CHGetItemCount(CHHandle h, CHStore store, uint32_t *pCount) {
    Call call = begin_call(h, CH_OP_GET_ITEM_COUNT, store, 0);
    if (call.error) return call.error;
    if (!pCount) return CH_ERR_BAD_ARG;
    *pCount = call.doc->faults().reported_count(store).value_or(call.store->count());
    return 0;
}

/* Id of the entry at a zero-based index; CH_ERR_NO_ITEM past the last. */
extern "C" uint32_t CHGetItemId(CHHandle h, CHStore store, uint32_t index, uint32_t *pId) {
    Call call = begin_call(h, CH_OP_GET_ITEM_ID, store, index);
    if (call.error) return call.error;
    if (!pId) return CH_ERR_BAD_ARG;
    if (index >= call.store->count()) return CH_ERR_NO_ITEM;
    *pId = call.doc->faults().redirect(CH_OP_GET_ITEM_ID, store, index, call.store->id_of(index));
    return 0;
}

/* Id of the entry after id; CH_ERR_NO_ITEM when id names nothing or is the
 * last. */
extern "C" uint32_t CHNextItemId(CHHandle h, CHStore store, uint32_t id, uint32_t *pId) {
    Call call = begin_call(h, CH_OP_NEXT_ITEM_ID, store, id);
    if (call.error) return call.error;
    if (!pId) return CH_ERR_BAD_ARG;
    return step_id(call, CH_OP_NEXT_ITEM_ID, store, id, pId, true);
}

/* Id of the entry before id; CH_ERR_NO_ITEM when id names nothing or is the
 * first. */
extern "C" uint32_t CHPrevItemId(CHHandle h, CHStore store, uint32_t id, uint32_t *pId) {
    Call call = begin_call(h, CH_OP_PREV_ITEM_ID, store, id);
    if (call.error) return call.error;
    if (!pId) return CH_ERR_BAD_ARG;
    return step_id(call, CH_OP_PREV_ITEM_ID, store, id, pId, false);
}

/* Fills the section record of section number n: the section's kind (the
 * type field of its store-1 record), its first item (data2) and its last
 * item.  Store 0 and store 1 are both accepted. */
extern "C" uint32_t CHGetSectionInfo(CHHandle h, CHStore store, uint32_t section, CHSectionInfo *pInfo) {
    Call call = begin_call(h, CH_OP_GET_SECTION_INFO, store, section);
    if (call.error) return call.error;
    if (store != CH_STORE_ITEMS && store != CH_STORE_SECTIONS) return CH_ERR_BAD_STORE;
    if (!pInfo) return CH_ERR_BAD_ARG;
    Store &sections = call.doc->store(CH_STORE_SECTIONS);
    if (section >= sections.count()) return CH_ERR_NO_ITEM;
    CHItem record;
    std::memcpy(&record, sections.at(section), sizeof record);
    *pInfo = CHSectionInfo{record.type, record.data2, section_last_item(*call.doc, section), 0};
    return 0;
}
