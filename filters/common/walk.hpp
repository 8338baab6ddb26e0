// The whole walk of a document for one export, shared by every reference
// filter: each section in turn (text flow or spreadsheet), then the table of
// contents and notes from the settled document tree.
#pragma once

#include <qrvfa.h>

#include <memory>
#include <string>

#include "output.hpp"
#include "writer.hpp"

namespace qrv::filters {

struct WalkOptions {
    bool contents = true;         // write a table of contents
    bool notes = true;            // write the notes at the end
    bool progress = true;         // report progress through EXDoCallback
    bool embed_pictures = false;  // pictures as data: addresses, not files of a folder
};

WalkOptions walk_options_of(uint32_t option_word);

// Walks the document into writer, to its finish().  Returns 0,
// FA_ERR_CANCELLED when the host stopped it or the writer failed, or the
// code of the library call that kept the walk from going on.
uint32_t walk_document(CHHandle h, uint32_t hExport, uint32_t hOptions, const WalkOptions &options, Writer &writer);

// Makes a filter's writer, writing its page to page; a filter that has
// options of its own reads them from the export's option word.
using MakeWriter = std::unique_ptr<Writer> (*)(Output &page);
using MakeOptionWriter = std::unique_ptr<Writer> (*)(Output &page, uint32_t option_word);

// The run function of a reference filter: walks the export's document with
// a writer from make_writer, whose page goes to the export's sink as it is
// written.  A sink that fails ends the export with its code.
uint32_t run_export(FAExportContext *ctx, MakeWriter make_writer);
uint32_t run_export(FAExportContext *ctx, MakeOptionWriter make_writer);

}  // namespace qrv::filters
