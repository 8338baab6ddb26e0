// One imported document to HTML in memory, as an export filter's caller
// runs it: the bytes of the page, or 0 where any step failed.
#pragma once

#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>

#include <cstddef>
#include <cstdint>

namespace qrv::bench {

inline size_t export_html(CHHandle h) {
    uint32_t options = 0, doc = 0, sink = 0, hExport = 0;
    size_t length = 0;
    uint32_t rc = DACreateOptions(&options);
    if (rc == 0) rc = DAOpenDocument(h, options, &doc);
    if (rc == 0) rc = QRVRegisterHtmlFilter();
    if (rc == 0) rc = FACreateMemorySink(&sink);
    if (rc == 0) rc = EXOpenExport(doc, QRV_OUTPUT_HTML, sink, 0, 0, 0, nullptr, 0, &hExport);
    if (rc == 0 && EXRunExport(hExport) == 0) {
        const char *data = nullptr;
        FAGetMemorySinkData(sink, &data, &length);
    }
    if (hExport) EXCloseExport(hExport);
    if (sink) FADestroySink(sink);
    if (doc) DACloseDocument(doc);
    if (options) DADestroyOptions(options);
    return length;
}

}  // namespace qrv::bench
