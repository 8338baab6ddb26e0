// libqrvhtml.so: the HTML filter's entry points.
#include <qrvfilters.h>

#include "html_writer.hpp"
#include "walk.hpp"

namespace {

std::unique_ptr<qrv::filters::Writer> make_writer(qrv::filters::Output &page) {
    return std::make_unique<qrv::filters::html::HtmlWriter>(page);
}

uint32_t run(FAExportContext *ctx) { return qrv::filters::run_export(ctx, make_writer); }

const FAFilter kHtmlFilter = {"html", QRV_OUTPUT_HTML, nullptr, run, nullptr};

}  // namespace

extern "C" uint32_t QRVRegisterHtmlFilter(void) { return FARegisterFilter(&kHtmlFilter); }
