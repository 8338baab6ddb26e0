// Word 97-2003 documents (.doc): the WordDocument stream of the compound
// file and its table stream.  The header says where everything is; the
// style sheet becomes the text document's styles, and the main text, read
// through the piece table with its formatting pages, becomes the body with
// its notes, comments, text boxes and pictures (the Data stream holds the
// inline ones); the first section's headers and footers follow it.  Word 6
// and 95 documents give their main text alone; encrypted documents and
// those of earlier versions are refused.
#include "cfb/compound_file.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "textdoc/item_writer.hpp"
#include "writer/document_writer.hpp"
#include "body_reader.hpp"
#include "doc_properties.hpp"
#include "headers.hpp"
#include "lists.hpp"
#include "style_sheet.hpp"
#include "word6_text.hpp"

namespace qrv::import::doc {
namespace {

std::vector<uint8_t> required_stream(const CompoundFile &file, const char *name) {
    if (auto s = file.stream(name)) return std::move(*s);
    broken(std::string("the compound file holds no ") + name + " stream");
}

// The Data stream, where pictures' headers lie: none when the file has
// none, or, with a warning, when it is broken or past the bound of a part;
// the text is read as ever and the pictures have no size.
std::vector<uint8_t> data_stream(const CompoundFile &file, Diagnostics &diagnostics) {
    try {
        return file.stream("Data").value_or(std::vector<uint8_t>{});
    } catch (const ImportError &e) {
        if (e.code() != kFaultBroken && e.code() != kFaultLimit) throw;
        diagnostics.warn(std::string("the Data stream cannot be read (") + e.what() + "); pictures have no size");
        return {};
    }
}

void refuse_unread(const Fib &fib) {
    if (fib.encrypted)
        throw ImportError(IM_ERR_ENCRYPTED,
                          "the document is encrypted (password-protected); save it without a password to export it");
    if (!fib.modern() && !fib.word6())
        throw ImportError(IM_ERR_UNSUPPORTED, "a document of Word 2 or earlier (version " + std::to_string(fib.version) +
                                                  "), which is not read; save it as a Word 97-2003 .doc or as .docx");
}

// The characters of every story, so that notes can be read from theirs.
uint32_t text_length(const Fib &fib) {
    uint64_t length = 0;
    for (uint32_t story : fib.story_length) length += story;
    return static_cast<uint32_t>(std::min<uint64_t>(length, 0xFFFFFFFFu));
}

// Text boxes whose anchor was not found come after the main text.
void write_unanchored(const DocContent &content, textdoc::TextSink &sink) {
    for (const StoryRange &box : content.text_boxes.unanchored()) {
        const textdoc::Recording text = read_aside(content, box);
        if (text.has_text()) sink.frame(text);
    }
}

// The items of the document: its styles, the main text, the text boxes
// without an anchor, then the running headers and footers.
CHHandle write_document(DocumentWriter &out, const textdoc::TextDocument &doc, const DocContent &content,
                        std::span<const uint8_t> table, const Fib &fib) {
    textdoc::ItemWriter writer(out, doc, content.diagnostics);
    writer.begin();
    BodyReader(content, writer).read(0, fib.story_length[static_cast<size_t>(Story::Main)]);
    write_unanchored(content, writer);
    write_running_texts(content, table, fib, writer, content.diagnostics);
    writer.finish();
    return out.release();
}

// Word 6 and 95: the main text and the properties.  The formatting pages,
// the style sheet and the stories beside the main text have other layouts
// than Word 97's and are not read.
CHHandle import_word6(ImportJob &job, const CompoundFile &file, std::span<const uint8_t> stream, const Fib &fib) {
    Diagnostics &diagnostics = job.diagnostics;
    diagnostics.warn("a Word 6 or Word 95 document: its text is read, its formatting, notes and headers are not");
    const DocText text = word6_text(stream, fib, diagnostics);
    Fib main_only;
    main_only.story_length[static_cast<size_t>(Story::Main)] = static_cast<uint32_t>(text.chars.size());
    const FormatRuns none(stream, {}, Span{}, PageKind::Characters, diagnostics);
    const Notes notes({}, main_only);
    const Comments comments({}, main_only, diagnostics);
    const Shapes shapes({}, main_only, text, diagnostics);
    const TextBoxes text_boxes({}, main_only, shapes, diagnostics);
    const FontTable fonts;
    textdoc::TextDocument doc;
    read_properties(file, doc);
    doc.resolve(diagnostics);
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, diagnostics, job.keeps_pictures());
    const Bookmarks bookmarks;
    const DocContent content{text,   none, none,     notes, comments, bookmarks, text_boxes,
                             shapes, {},   pictures, false, fonts,    diagnostics};
    return write_document(out, doc, content, {}, main_only);
}

CHHandle import_word97(ImportJob &job, const CompoundFile &file, std::span<const uint8_t> stream, const Fib &fib) {
    const std::vector<uint8_t> table = required_stream(file, fib.table_stream());
    Diagnostics &diagnostics = job.diagnostics;

    const DocText text =
        gather_text(stream, read_pieces(table, fib.table(Table::Pieces)), text_length(fib), diagnostics);
    const FormatRuns chars(stream, table, fib.table(Table::CharPages), PageKind::Characters, diagnostics);
    const FormatRuns paragraphs(stream, table, fib.table(Table::ParaPages), PageKind::Paragraphs, diagnostics);
    const Notes notes(table, fib);
    const Comments comments(table, fib, diagnostics);
    const Bookmarks bookmarks(table, fib, diagnostics);
    const Shapes shapes(table, fib, text, diagnostics);
    const TextBoxes text_boxes(table, fib, shapes, diagnostics);
    const std::vector<uint8_t> data = data_stream(file, diagnostics);

    const doc::FontTable fonts(table, fib.table(Table::Fonts), diagnostics);
    textdoc::TextDocument doc;
    read_style_sheet(table, fib.table(Table::StyleSheet), fonts, doc, diagnostics);
    const bool lists = read_lists(table, fib, doc);
    read_properties(file, doc);
    doc.resolve(diagnostics);
    DocumentWriter out(job.limits);
    PictureStore pictures(out, job.limits, diagnostics, job.keeps_pictures());
    const DocContent content{text,       chars,  paragraphs, notes,    comments, bookmarks,
                             text_boxes, shapes, data,       pictures, lists,    fonts, diagnostics};
    return write_document(out, doc, content, table, fib);
}

}  // namespace
}  // namespace qrv::import::doc

namespace qrv::import {

CHHandle import_doc(ImportJob &job) {
    using namespace doc;
    const CompoundFile file(job.input.bytes(), job.limits);
    const std::vector<uint8_t> stream = required_stream(file, "WordDocument");
    const Fib fib = read_fib(stream);
    refuse_unread(fib);
    return fib.modern() ? import_word97(job, file, stream, fib) : import_word6(job, file, stream, fib);
}

}  // namespace qrv::import
