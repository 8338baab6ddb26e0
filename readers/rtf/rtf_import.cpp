// RTF (.rtf): a Rich Text Format document into a text document.  The
// header's tables (fonts, colours, styles, lists, properties) are gathered
// as they come; the definitions are resolved and written when the body's
// first paragraph comes, and the body streams into the items.
#include "writer/document_writer.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "textdoc/item_writer.hpp"
#include "reader.hpp"

namespace qrv::import {

CHHandle import_rtf(ImportJob &job) {
    const std::string_view input = job.input.text();
    const size_t first = input.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || input[first] != '{') broken("the file does not start with a group ({\\rtf)");
    textdoc::TextDocument doc;
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, job.diagnostics, job.keeps_pictures());
    std::optional<textdoc::ItemWriter> writer;
    rtf::Reader reader(doc, job.diagnostics, [&]() -> textdoc::TextSink & {
        doc.resolve(job.diagnostics);
        writer.emplace(out, doc, job.diagnostics);
        writer->begin();
        return *writer;
    });
    reader.keep_pictures(pictures);
    reader.read(input);
    writer->finish();
    return out.release();
}

}  // namespace qrv::import
