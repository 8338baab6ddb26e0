// The body of an OpenDocument text (<office:text>) as text sink events,
// read as a stream.  Paragraphs and headings take their style's key and an
// automatic style's formatting as their own; spans lay their formatting
// over the paragraph's; lists give each item's first paragraph its list and
// level; tables send their rows and cells with spans and covered cells;
// notes, text boxes and comments are recorded as they are read and handed
// over where they end.  Tracked changes are shown as accepted: the deleted
// text, kept apart in <text:tracked-changes>, is left out.
//
// The reader keeps a stack of what each open element is; an element's
// start is looked up in the table of its parent's role, so nesting costs no
// recursion and an element the tables do not name is passed over whole.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "odf/frame_pictures.hpp"
#include "writer/diagnostics.hpp"
#include "package/xml_reader.hpp"
#include "textdoc/recording.hpp"
#include "textdoc/text_document.hpp"
#include "textdoc/text_sink.hpp"
#include "odt_list_instances.hpp"
#include "odt_style_sheet.hpp"
#include "odt_table_spans.hpp"
#include "odt_white_space.hpp"

namespace qrv::import::odf {

class OdtBodyReader final : public XmlHandler {
public:
    // Reads the elements of <office:body> into sink.  doc gives the
    // resolved character styles spans lay over (none while the lists are
    // learnt); lists gives every list item its list.
    OdtBodyReader(const OdtStyleSheet &sheet, const textdoc::TextDocument &doc, ListInstances &lists,
                  Diagnostics &diagnostics, textdoc::TextSink &sink);

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view piece) override;

    // Pictures of frames are kept through pictures (else shown by name).
    void keep_pictures(FramePictures &pictures) { pictures_ = &pictures; }

    // Reads the elements that follow as the blocks of a text, without the
    // body around them (a header's or footer's paragraphs and tables).
    void read_as_blocks() { stack_.back() = {Role::Blocks}; }

    // Whether the body held a text (<office:text>).
    bool saw_text() const { return saw_text_; }

    // Notes, text boxes and comments nested deeper than this are left out;
    // a repeated row or cell is sent at most kMaxRepeats times.
    static constexpr size_t kMaxRecordingDepth = 8;
    static constexpr uint32_t kMaxRepeats = 1024;

private:
    enum class Role : uint8_t {
        Skip,
        Root,
        Blocks,
        List,
        ListItem,
        Paragraph,
        Inline,
        Note,
        Frame,
        Drawings,
        Annotation,
        Capture,
        Table,
        Columns,
        Rows,
        Row,
        Cell
    };
    // What to do when the element ends.
    enum class Close : uint8_t {
        None,
        Paragraph,
        Span,
        Link,
        Note,
        NoteBody,
        Frame,
        Recording,
        Annotation,
        List,
        HeaderRows,
        Table,
        Row,
        Cell
    };
    struct Entry {
        Role role;
        Close close = Close::None;
    };
    struct SpanLook {
        std::string style;          // key of the innermost common text style
        textdoc::CharFormat chars;  // everything the span and those around it state
    };
    struct ParagraphState {
        std::vector<SpanLook> spans;  // the paragraph's own look first
        bool run_given = false;
        WhiteSpace white_space;
    };
    // A list being read, or a barrier where a cell, note or text box starts
    // blocks of its own inside a list item.
    struct ListContext {
        bool barrier = false;
        unsigned level = 0;
        bool header = false;                 // the item is a list header
        bool item_numbered = false;          // the item's first paragraph came
        std::optional<int32_t> start_value;  // of the item
    };
    static ListContext barrier() {
        ListContext b;
        b.barrier = true;
        return b;
    }
    struct FrameState {
        std::optional<textdoc::ObjectKind> kind;
        std::string title, description, name, resource;
        uint32_t width_pt = 0, height_pt = 0;
    };
    struct TableState {
        textdoc::TableStart table;
        bool begun = false;
        bool header_rows = false;
        TableSpans spans;
        uint32_t row_repeats = 1, cell_repeats = 1;
        textdoc::CellStart cell;
    };

    Entry root_child(const XmlName &name);
    Entry block_child(const XmlName &name, const XmlAttributes &a);
    Entry list_child(const XmlName &name, const XmlAttributes &a);
    Entry inline_child(const XmlName &name, const XmlAttributes &a);
    Entry note_child(const XmlName &name);
    Entry frame_child(const XmlName &name, const XmlAttributes &a);
    Entry drawing(const XmlName &name, const XmlAttributes &a);
    Entry annotation_child(const XmlName &name, const XmlAttributes &a);
    Entry table_child(const XmlName &name, const XmlAttributes &a);
    Entry row_child(const XmlName &name, const XmlAttributes &a);
    void close(const Entry &entry);

    textdoc::TextSink &sink() { return *sinks_.back(); }
    ParagraphState &paragraph() { return paragraphs_.back(); }

    // Paragraphs and what they hold.
    Entry begin_paragraph(const XmlName &name, const XmlAttributes &a);
    textdoc::ListRef list_of_paragraph(const XmlName &name, const XmlAttributes &a, std::string_view style_name);
    Entry skip(const XmlAttributes &) { return {Role::Skip}; }
    Entry begin_span(const XmlAttributes &a);
    Entry begin_text_link(const XmlAttributes &a);
    Entry begin_link(std::string_view target, Role role);
    Entry reference(const XmlAttributes &a);
    Entry tab(const XmlAttributes &a);
    Entry line_break(const XmlAttributes &a);
    void show(std::string_view utf8);
    void announce_run();
    Entry spaces(const XmlAttributes &a);
    Entry bookmark(const XmlAttributes &a);
    Entry hidden_text(const XmlAttributes &a);

    // Lists.
    Entry begin_list(const XmlAttributes &a);
    Entry begin_numbered_paragraph(const XmlAttributes &a);
    ListContext *open_list();

    // Notes, frames, comments: content recorded, handed over at the end.
    bool begin_recording();
    std::unique_ptr<textdoc::Recording> end_recording();
    Entry begin_note(const XmlAttributes &a);
    Entry begin_frame(const XmlAttributes &a);
    void finish_frame();
    Entry begin_text_box();
    Entry begin_annotation();
    void finish_annotation();

    // Tables.
    Entry begin_table();
    void begin_table_if_due();
    Entry begin_row(const XmlAttributes &a);
    void finish_row();
    Entry begin_cell(const XmlName &name, const XmlAttributes &a);
    void finish_cell();
    uint32_t repeats(std::string_view count);

    const OdtStyleSheet &sheet_;
    const textdoc::TextDocument &doc_;
    ListInstances &lists_;
    Diagnostics &diagnostics_;
    std::vector<Entry> stack_;
    std::vector<textdoc::TextSink *> sinks_;
    std::vector<std::unique_ptr<textdoc::Recording>> recordings_;
    std::vector<ParagraphState> paragraphs_;
    std::vector<ListContext> list_contexts_;
    std::vector<FrameState> frames_;
    FramePictures *pictures_ = nullptr;
    std::vector<TableState> tables_;
    std::vector<textdoc::NoteKind> notes_;
    std::vector<std::string> authors_;
    std::string *capture_ = nullptr;  // where the text of a Capture element goes
    bool saw_text_ = false;
    bool warned_depth_ = false, warned_repeats_ = false, warned_list_ = false;
};

}  // namespace qrv::import::odf
