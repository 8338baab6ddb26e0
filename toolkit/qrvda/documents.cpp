// Documents: a chunker handle with the option set its export reads.
#include <qrvda.h>

#include "documents.hpp"
#include "handle_table.hpp"

namespace qrv::da {

toolkit::HandleTable<Document> &documents() { return toolkit::lasting_table<Document>(0x44); }

}  // namespace qrv::da

extern "C" {

uint32_t DAOpenDocument(CHHandle chunker, uint32_t hOptions, uint32_t *phDocument) {
    if (!phDocument) return DA_ERR_BAD_HANDLE;
    *phDocument = 0;
    auto doc = std::make_unique<qrv::da::Document>();
    doc->chunker = chunker;
    doc->options = hOptions;
    *phDocument = qrv::da::documents().add(std::move(doc));
    return *phDocument ? 0 : DA_ERR_NO_MEMORY;
}

uint32_t DACloseDocument(uint32_t hDocument) { return qrv::da::documents().remove(hDocument) ? 0 : DA_ERR_BAD_HANDLE; }

uint32_t DAGetDocumentInfo(uint32_t hDocument, CHHandle *pChunker, uint32_t *phOptions) {
    const qrv::da::Document *doc = qrv::da::documents().find(hDocument);
    if (!doc) return DA_ERR_BAD_HANDLE;
    if (pChunker) *pChunker = doc->chunker;
    if (phOptions) *phOptions = doc->options;
    return 0;
}

// Only an open document may be exported; any other handle is refused.
uint32_t DAPreOpenDocument(uint32_t hDocument) { return qrv::da::documents().find(hDocument) ? 0 : DA_ERR_REFUSED; }

}  // extern "C"
