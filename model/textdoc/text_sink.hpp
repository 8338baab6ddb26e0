// The body of a word-processing document as events in document order:
// paragraphs with their runs of text, tables, notes, comments, text boxes,
// bookmarks, links and objects.  A format's reader calls these on a sink;
// ItemWriter turns them into the chunker's items, and Recording keeps them
// for later (a note's body read before the reference to it).
//
// The order a reader keeps: begin_paragraph, then run() whenever the
// formatting of the text that follows changes, then text and the rest, then
// end_paragraph.  Tables come between paragraphs (begin_table, begin_row,
// begin_cell, paragraphs and tables of the cell, end_cell, end_row,
// end_table) and nest.  Notes, comments, text boxes, links, bookmarks and
// objects come inside a paragraph; a sink does the right thing when they
// come between paragraphs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <qrvmodel/tags.hpp>

#include "text_document.hpp"
#include "writer/object_ref.hpp"
#include "text_formats.hpp"

namespace qrv::import::textdoc {

class Recording;

struct ParagraphStart {
    std::string style;  // key of its paragraph style; "" for the default
    ParaFormat direct;  // formatting the paragraph states itself
    ListRef list;       // the list fields the paragraph states itself

    bool operator==(const ParagraphStart &) const = default;
};

struct RunStart {
    std::string style;  // key of its character style; "" for none
    CharFormat direct;

    bool operator==(const RunStart &) const = default;
};

struct TableStart {
    std::vector<int32_t> grid;  // column widths in twips

    bool operator==(const TableStart &) const = default;
};

struct RowStart {
    bool header = false;        // repeated at the top of each page
    int32_t height = 0;         // twips, 0 for automatic
    unsigned cells_before = 0;  // grid columns left empty before the first cell

    bool operator==(const RowStart &) const = default;
};

enum class VerticalMerge : uint8_t {
    None,
    Restart,  // the first cell of a vertical merge
    Covered   // a cell covered by the merged cell above: its content is dropped
};

struct CellStart {
    unsigned column_span = 1;  // grid columns
    unsigned row_span = 1;     // rows, where the format states it (covered cells below count too)
    VerticalMerge merge = VerticalMerge::None;
    int32_t width = 0;  // twips, 0 to take the grid's

    bool operator==(const CellStart &) const = default;
};

enum class NoteKind : uint8_t { Footnote = 1, Endnote = 2 };
using import::ObjectKind, import::ObjectRef;

class TextSink {
public:
    virtual ~TextSink() = default;

    virtual void begin_paragraph(const ParagraphStart &start) = 0;
    virtual void end_paragraph() = 0;
    // The formatting of the text that follows, until the next run().
    virtual void run(const RunStart &start) = 0;
    // UTF-8 text; U+0009 is a tab.
    virtual void text(std::string_view utf8) = 0;
    virtual void line_break() = 0;
    // A page break: before a paragraph's text it breaks the page there;
    // inside the text it is a line break.
    virtual void page_break() = 0;

    virtual void begin_table(const TableStart &table) = 0;
    virtual void begin_row(const RowStart &row) = 0;
    virtual void begin_cell(const CellStart &cell) = 0;
    virtual void end_cell() = 0;
    virtual void end_row() = 0;
    virtual void end_table() = 0;

    // A note's reference, with its body.
    virtual void note(NoteKind kind, const Recording &body) = 0;
    // A comment on the text just before; kept out of the body.
    virtual void comment(std::string_view author, const Recording &body) = 0;
    // A text box anchored here: its paragraphs follow the paragraph in hand.
    virtual void frame(const Recording &content) = 0;
    // A running header or footer of the section's pages; a sink that keeps
    // only the flow passes it over.
    virtual void running(model::RunningKind, model::RunningPages, const Recording &) {}
    virtual void bookmark(std::string_view name) = 0;
    // A link around the text up to end_link (at the latest the paragraph's
    // end); the target is a URL, or "#name" for a bookmark of the document.
    virtual void begin_link(std::string_view target) = 0;
    virtual void end_link() = 0;
    // A picture, chart or other object.
    virtual void object(const ObjectRef &object) = 0;
    // The section ends with the paragraph or table in hand.
    virtual void end_section() = 0;
};

// The declarations of a sink that handles every event, for its class body:
// the sinks of this folder each take all of them.
#define QRV_TEXT_SINK_EVENTS                                               \
    void begin_paragraph(const ParagraphStart &start) override;            \
    void end_paragraph() override;                                         \
    void run(const RunStart &start) override;                              \
    void text(std::string_view utf8) override;                             \
    void line_break() override;                                            \
    void page_break() override;                                            \
    void begin_table(const TableStart &table) override;                    \
    void begin_row(const RowStart &row) override;                          \
    void begin_cell(const CellStart &cell) override;                       \
    void end_cell() override;                                              \
    void end_row() override;                                               \
    void end_table() override;                                             \
    void note(NoteKind kind, const Recording &body) override;              \
    void comment(std::string_view author, const Recording &body) override; \
    void frame(const Recording &content) override;                         \
    void bookmark(std::string_view name) override;                         \
    void begin_link(std::string_view target) override;                     \
    void end_link() override;                                              \
    void object(const ObjectRef &object) override;                         \
    void end_section() override;

}  // namespace qrv::import::textdoc
