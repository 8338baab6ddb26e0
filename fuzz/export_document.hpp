// Exports a document through the library's export frame with a reference
// filter into a memory sink, for harnesses that check only that nothing
// breaks on the way.
#pragma once

#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>

namespace qrv::fuzz {

inline uint32_t ignore_callback(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }

inline void export_document(CHHandle h, uint32_t output_id) {
    uint32_t options = 0, document = 0, sink = 0, hExport = 0;
    uint32_t rc = DACreateOptions(&options);
    if (rc == 0) rc = DAOpenDocument(h, options, &document);
    if (rc == 0) rc = QRVRegisterHtmlFilter() | QRVRegisterTextFilter();
    if (rc == 0) rc = FACreateMemorySink(&sink);
    if (rc == 0) rc = EXOpenExport(document, output_id, sink, 0, 0, 0, ignore_callback, 0, &hExport);
    if (rc == 0) {
        EXRunExport(hExport);
        EXCloseExport(hExport);
        const char *text = nullptr;
        size_t length = 0;
        FAGetMemorySinkData(sink, &text, &length);
    }
    if (sink) FADestroySink(sink);
    if (document) DACloseDocument(document);
    if (options) DADestroyOptions(options);
}

}  // namespace qrv::fuzz
