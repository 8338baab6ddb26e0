// Exports through the filter registry.  An export is opened once, run once
// and closed once.  No lock is held while a filter runs: a filter may be
// ended by a structured exception at any point, and the export is then left
// as it was (open, and closable).
#include <qrvda.h>
#include <qrvfa.h>

#include <memory>

#include "../qrvda/handle_table.hpp"
#include "sinks.hpp"

namespace {

struct Export {
    const FAFilter *filter = nullptr;
    FAExportContext context{};
    bool ran = false;
};

qrv::toolkit::HandleTable<Export> &exports() { return qrv::toolkit::lasting_table<Export>(0x58); }

// The chunker and options of the document a module data record belongs to.
bool document_of(uint32_t hModuleData, FAExportContext &context) {
    uint32_t document = 0;
    return DAGetModuleDocument(hModuleData, &document) == 0 &&
           DAGetDocumentInfo(document, &context.chunker, &context.hOptions) == 0;
}

}  // namespace

extern "C" {

uint32_t FAOpenExport(uint32_t hSink, uint32_t optionWord, uint32_t outputId, uint32_t hModuleData, uint32_t reserved,
                      uint32_t *pFAExportHandle, uint32_t *pStatus) {
    (void)reserved;
    if (pStatus) *pStatus = 0;
    if (!pFAExportHandle) return FA_ERR_BAD_HANDLE;
    const FAFilter *filter = FAFindFilter(outputId);
    if (!filter) return FA_ERR_NO_FILTER;
    auto e = std::make_unique<Export>();
    e->filter = filter;
    e->context.hExport = hModuleData;
    e->context.optionWord = optionWord;
    e->context.hSink = hSink;
    if (!document_of(hModuleData, e->context)) return FA_ERR_BAD_DOCUMENT;
    if (!qrv::fa::sink_exists(hSink)) return FA_ERR_BAD_SINK;
    Export *opened = e.get();
    const uint32_t handle = exports().add(std::move(e));
    if (!handle) return FA_ERR_NO_MEMORY;
    const uint32_t result = filter->open ? filter->open(&opened->context) : uint32_t{FA_OK};
    if (result != FA_OK) {
        exports().remove(handle);
        return result;
    }
    *pFAExportHandle = handle;
    return FA_OK;
}

uint32_t FARunExport(uint32_t hFAExport) {
    Export *e = exports().find(hFAExport);
    if (!e) return FA_ERR_BAD_HANDLE;
    if (e->ran) return FA_ERR_BAD_STATE;
    e->ran = true;
    return e->filter->run(&e->context);
}

uint32_t FACloseExport(uint32_t hFAExport) {
    auto e = exports().remove(hFAExport);
    if (!e) return FA_ERR_BAD_HANDLE;
    if (e->filter->close) e->filter->close(&e->context);
    return FA_OK;
}

}  // extern "C"
