// libqrvmarkdown.so: the Markdown filter's entry points.
#include <qrvfilters.h>

#include "markdown_writer.hpp"
#include "walk.hpp"

namespace {

std::unique_ptr<qrv::filters::Writer> make_writer(qrv::filters::Output &page) {
    return std::make_unique<qrv::filters::markdown::MarkdownWriter>(page);
}

uint32_t run(FAExportContext *ctx) { return qrv::filters::run_export(ctx, make_writer); }

const FAFilter kMarkdownFilter = {"markdown", QRV_OUTPUT_MARKDOWN, nullptr, run, nullptr};

}  // namespace

extern "C" uint32_t QRVRegisterMarkdownFilter(void) { return FARegisterFilter(&kMarkdownFilter); }
