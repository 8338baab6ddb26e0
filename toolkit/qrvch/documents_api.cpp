// The C interface for hosts and tests: open and close documents, build them,
// inject faults and read call counts.
#include "builder.hpp"
#include "registry.hpp"

#include <new>

using namespace qrv::ch;

namespace {

uint32_t hand_back(const Added &added, uint32_t *pId) {
    if (!added.error && pId) *pId = added.id;
    return added.error;
}

std::u16string_view chars_of(const QRVWCHAR *chars, uint32_t length) {
    return {reinterpret_cast<const char16_t *>(chars), chars ? length : 0};
}

bool bad_op(uint32_t op) { return op >= CH_OP_COUNT; }

}  // namespace

extern "C" uint32_t CHNewDocument(uint32_t chunkSize, CHHandle *pHandle) {
    if (!pHandle || chunkSize == 0 || chunkSize > 0x10000u) return CH_ERR_BAD_ARG;
    try {
        *pHandle = open_document(std::make_unique<Document>(chunkSize));
        return *pHandle != 0 ? 0 : CH_ERR_NO_MEMORY;
    } catch (const std::bad_alloc &) {
        return CH_ERR_NO_MEMORY;
    }
}

extern "C" uint32_t CHCloseDocument(CHHandle h) {
    std::unique_ptr<Document> doc = close_document(h);
    if (!doc) return CH_ERR_BAD_HANDLE;
    return doc->locked_ranges();
}

extern "C" uint32_t CHLockedRangeCount(CHHandle h, uint32_t *pCount) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!pCount) return CH_ERR_BAD_ARG;
        *pCount = doc.locked_ranges();
        return 0;
    });
}

extern "C" uint32_t CHGetLabel(CHHandle h, const char *name, uint32_t *pValue) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!name || !pValue) return CH_ERR_BAD_ARG;
        auto it = doc.labels().find(name);
        if (it == doc.labels().end()) return CH_ERR_NO_ITEM;
        *pValue = it->second;
        return 0;
    });
}

extern "C" uint32_t CHGetChunkSize(CHHandle h, uint32_t *pChunkSize) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!pChunkSize) return CH_ERR_BAD_ARG;
        *pChunkSize = doc.chunk_size();
        return 0;
    });
}

/* --- Building ------------------------------------------------------------- */

extern "C" uint32_t CHAppendItem(CHHandle h, const CHItem *item, uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!item) return CH_ERR_BAD_ARG;
        return hand_back(Builder(doc).item(*item), pId);
    });
}

extern "C" uint32_t CHAppendText(CHHandle h, const QRVWCHAR *chars, uint32_t length, uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!chars && length) return CH_ERR_BAD_ARG;
        return hand_back(Builder(doc).text(chars_of(chars, length)), pId);
    });
}

extern "C" uint32_t CHAppendString(CHHandle h, const QRVWCHAR *chars, uint32_t length, uint32_t attribute,
                                   uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!chars && length) return CH_ERR_BAD_ARG;
        return hand_back(Builder(doc).string(chars_of(chars, length), attribute), pId);
    });
}

extern "C" uint32_t CHAppendTagBegin(CHHandle h, uint32_t tagCode, uint32_t data1, uint32_t data2, int hasKey,
                                     uint32_t key, uint32_t *pId) {
    return with_document(h, [&](Document &doc) {
        return hand_back(Builder(doc).tag_begin(tagCode, data1, data2, hasKey ? &key : nullptr), pId);
    });
}

extern "C" uint32_t CHAppendTagEnd(CHHandle h, uint32_t tagCode, uint32_t *pId) {
    return with_document(h, [&](Document &doc) { return hand_back(Builder(doc).tag_end(tagCode), pId); });
}

extern "C" uint32_t CHAppendTableBegin(CHHandle h, uint32_t *pId) {
    return with_document(h, [&](Document &doc) { return hand_back(Builder(doc).table_begin(), pId); });
}

extern "C" uint32_t CHAppendTableEnd(CHHandle h, uint32_t *pId) {
    return with_document(h, [&](Document &doc) { return hand_back(Builder(doc).table_end(), pId); });
}

extern "C" uint32_t CHAppendSection(CHHandle h, uint32_t kind, uint32_t *pId) {
    return with_document(h, [&](Document &doc) { return hand_back(Builder(doc).section(kind), pId); });
}

extern "C" uint32_t CHAppendCellRun(CHHandle h, uint32_t count, uint32_t *pId) {
    return with_document(h, [&](Document &doc) { return hand_back(Builder(doc).cell_run(count), pId); });
}

extern "C" uint32_t CHAppendDataValue(CHHandle h, const void *bytes, uint32_t length, uint32_t storageType,
                                      uint32_t multiplier, uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!bytes && length) return CH_ERR_BAD_ARG;
        std::span<const uint8_t> storage(static_cast<const uint8_t *>(bytes), length);
        return hand_back(Builder(doc).data_value(storage, storageType, multiplier), pId);
    });
}

extern "C" uint32_t CHAppendFont(CHHandle h, uint32_t fontId, uint32_t attribute, const QRVWCHAR *name,
                                 uint32_t nameLength, uint32_t fontValue, uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!name && nameLength) return CH_ERR_BAD_ARG;
        return hand_back(Builder(doc).font(fontId, attribute, chars_of(name, nameLength), fontValue), pId);
    });
}

extern "C" uint32_t CHAppendStoreData(CHHandle h, CHStore store, const void *bytes, uint32_t length, uint32_t *pId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!bytes && length) return CH_ERR_BAD_ARG;
        std::span<const uint8_t> data(static_cast<const uint8_t *>(bytes), length);
        return hand_back(Builder(doc).store_data(store, data), pId);
    });
}

extern "C" uint32_t CHTruncateStore(CHHandle h, CHStore store, uint32_t count) {
    return with_document(h, [&](Document &doc) { return Builder(doc).truncate(store, count); });
}

/* --- Faults and counts ----------------------------------------------------- */

extern "C" uint32_t CHFaultAfterCalls(CHHandle h, uint32_t op, CHStore store, uint32_t n, uint32_t code,
                                      int persistent) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (bad_op(op) || n == 0 || code == 0) return CH_ERR_BAD_ARG;
        doc.faults().fail_after(op, store, n, code, persistent != 0);
        return 0;
    });
}

extern "C" uint32_t CHFaultAtId(CHHandle h, uint32_t op, CHStore store, uint32_t id, uint32_t code) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (bad_op(op) || code == 0) return CH_ERR_BAD_ARG;
        doc.faults().fail_at(op, store, id, code);
        return 0;
    });
}

extern "C" uint32_t CHFaultRedirectId(CHHandle h, uint32_t op, CHStore store, uint32_t id, uint32_t resultId) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        const bool redirectable =
            op == CH_OP_GET_ITEM || op == CH_OP_NEXT_ITEM_ID || op == CH_OP_PREV_ITEM_ID || op == CH_OP_GET_ITEM_ID;
        if (!redirectable) return CH_ERR_BAD_ARG;
        doc.faults().redirect_id(op, store, id, resultId);
        return 0;
    });
}

extern "C" uint32_t CHFaultReportCount(CHHandle h, CHStore store, uint32_t count) {
    return with_document(h, [&](Document &doc) {
        doc.faults().report_count(store, count);
        return 0u;
    });
}

extern "C" uint32_t CHFaultClear(CHHandle h) {
    return with_document(h, [&](Document &doc) {
        doc.faults().clear();
        return 0u;
    });
}

extern "C" uint32_t CHCallCount(CHHandle h, uint32_t op, uint32_t *pCount) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (bad_op(op) || !pCount) return CH_ERR_BAD_ARG;
        *pCount = doc.faults().calls(op);
        return 0;
    });
}

extern "C" uint32_t CHResetCallCounts(CHHandle h) {
    return with_document(h, [&](Document &doc) {
        doc.faults().reset_calls();
        return 0u;
    });
}
