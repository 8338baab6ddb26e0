// What the shared walk tells an output format, in document order.  The walk
// does all the reading (items, styles, lists, tables, cells, number formats,
// the document tree); a writer only turns these events into its format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::filters {

// Character formatting in force for a run of text.
struct TextFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool superscript = false;
    bool subscript = false;
    bool small_caps = false;
    bool hidden = false;
    bool double_strike = false;
    bool capitals = false;
    unsigned underline_kind = 0;    // kind of underline (qrvmodel/conventions.hpp), 0 for a plain one
    uint32_t colour = 0;            // 0x00RRGGBB; 0 for the page's colour
    uint32_t highlight = 0;         // 0x00RRGGBB; 0 for none
    std::string font;               // UTF-8 font name, empty for the page's font
    unsigned size_half_points = 0;  // 0 for the page's size

    bool operator==(const TextFormat &) const = default;
};

enum class Align { Left, Centre, Right, Justify };

enum class ParaKind { Body, Title, Heading, ListItem };

// A paragraph as the walk understood it.
struct ParaFormat {
    ParaKind kind = ParaKind::Body;
    unsigned heading_level = 0;  // 1..6 for a heading
    unsigned list_level = 0;     // 1-based for a list item
    bool numbered = false;       // a counted list item (else a bullet)
    std::string marker;          // UTF-8 list number or bullet, as the list style shows it
    std::string anchor;          // id to link to (headings), empty for none
    std::string style;           // UTF-8 name of the paragraph style, empty for none
    Align align = Align::Left;
    int left_indent_twips = 0;
    int right_indent_twips = 0;
    int first_indent_twips = 0;
};

// A cell of a table or of a spreadsheet section.
struct CellFormat {
    unsigned column_span = 1;
    unsigned row_span = 1;
    bool numeric = false;  // a formatted number: aligned right
    bool header = false;   // a cell of a header row
};

struct ObjectInfo;

// A spreadsheet section's parts (sheet.hpp).
struct SheetInfo;
struct SheetRow;
struct SheetCell;

// One entry of the table of contents.
struct OutlineEntry {
    unsigned level = 1;
    std::string text;
    std::string anchor;
};

enum class NoteKind { Footnote, Endnote, Comment };

struct Note {
    unsigned number = 0;
    std::string text;
    NoteKind kind = NoteKind::Footnote;
    std::string author;  // of a comment
    std::string place;   // of a comment on a cell: the sheet's name and the cell ("Sheet1!B3")
};

// A running header or footer of the pages (qrvmodel/tags.hpp: kRunningTag).
struct RunningText {
    bool footer = false;
    uint32_t pages = 0;  // RunningPages: every page, the first, even pages
    std::string text;    // paragraphs separated by '\n'
};

// A slide of a presentation (qrvmodel/slides.hpp).
struct SlideInfo {
    unsigned number = 0;  // its place in the presentation, from 1
    bool hidden = false;  // a hidden slide shown on request
};

// A document property (qrvmodel/conventions.hpp: PropertyId) and its text.
struct Property {
    uint32_t id = 0;
    std::string value;
};

class Writer {
public:
    virtual ~Writer() = default;

    virtual void begin_paragraph(const ParaFormat &para) = 0;
    virtual void text(std::string_view utf8, const TextFormat &format) = 0;
    virtual void line_break() = 0;
    virtual void end_paragraph() = 0;

    virtual void note_reference(unsigned number) = 0;
    virtual void bookmark(std::string_view name) = 0;
    // A link around the text up to end_link(); the target is a URL or
    // "#name" for a bookmark of the document.
    virtual void begin_link(std::string_view) {}
    virtual void end_link() {}
    // A picture, chart or other object (pictures.hpp).
    virtual void object(const ObjectInfo &) {}
    // A running header or footer, wherever the document holds it; a page
    // that shows them places them itself.
    virtual void running_text(const RunningText &) {}
    // The document's properties, once, before finish().
    virtual void properties(const std::vector<Property> &) {}
    // The document's name as the host gave it (its file's, say), once,
    // before finish(): a page may take it for a title the document lacks.
    virtual void document_name(std::string_view) {}

    // Tables of the text flow; they may nest inside cells.
    virtual void begin_table(unsigned columns) = 0;
    virtual void begin_row() = 0;
    virtual void begin_cell(const CellFormat &cell) = 0;
    virtual void end_cell() = 0;
    virtual void end_row() = 0;
    virtual void end_table() = 0;

    // A spreadsheet section: rows of cells holding finished text
    // (sheet.hpp).  Every row has a cell or a span of cells for each column.
    virtual void begin_sheet(const SheetInfo &sheet) = 0;
    virtual void sheet_row_begin(const SheetRow &row) = 0;
    virtual void sheet_cell(const SheetCell &cell) = 0;
    virtual void sheet_row_end() = 0;
    virtual void end_sheet() = 0;

    // A slide of a presentation: its text comes between these two, its
    // speaker notes (paragraphs separated by '\n') after its text.  A
    // writer that ignores them writes the slide's text as any text flow.
    virtual void begin_slide(const SlideInfo &) {}
    virtual void slide_notes(std::string_view) {}
    virtual void end_slide() {}

    // Called once the whole document has been walked: writes the rest of
    // the page, the notes after the body and what had to wait for the
    // whole document (a title, a table of contents).
    virtual void finish(std::string_view title, const std::vector<OutlineEntry> &outline,
                        const std::vector<Note> &notes) = 0;

    // True once the output could not be written; the walk stops then.
    virtual bool failed() const { return false; }
};

}  // namespace qrv::filters
