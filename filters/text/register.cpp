// libqrvtext.so: the plain-text filter's entry points.
#include <qrvfilters.h>

#include "text_writer.hpp"
#include "walk.hpp"

namespace {

std::unique_ptr<qrv::filters::Writer> make_writer(qrv::filters::Output &page) {
    return std::make_unique<qrv::filters::text::TextWriter>(page);
}

uint32_t run(FAExportContext *ctx) { return qrv::filters::run_export(ctx, make_writer); }

const FAFilter kTextFilter = {"text", QRV_OUTPUT_TEXT, nullptr, run, nullptr};

}  // namespace

extern "C" uint32_t QRVRegisterTextFilter(void) { return FARegisterFilter(&kTextFilter); }
