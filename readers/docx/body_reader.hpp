// The body of a WordprocessingML part as text sink events, read as a
// stream: word/document.xml into the document's sink, and the notes and
// comments parts into one recording a note or comment, read before the
// body so that a reference finds its note's text.
//
// The reader keeps a stack of what each open element is (a block container,
// a paragraph, a run, a table, ...); each element's start is looked up in
// the table of its parent's role, so nesting costs no recursion and an
// element the tables do not name is passed over whole.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "package/package.hpp"
#include "writer/picture_store.hpp"
#include "textdoc/recording.hpp"
#include "textdoc/text_sink.hpp"
#include "drawing_object.hpp"
#include "fields/field_stack.hpp"
#include "word_properties.hpp"

namespace qrv::import::docx {

struct CommentBody {
    std::string author;
    textdoc::Recording body;
};

// A running header or footer the body's last section names: its kind and
// pages, and the relationship id of its part.
struct RunningReference {
    model::RunningKind kind;
    model::RunningPages pages;
    std::string id;
};

// Note and comment bodies by their ids.
struct NoteBodies {
    std::map<std::string, textdoc::Recording, std::less<>> footnotes, endnotes;
    std::map<std::string, CommentBody, std::less<>> comments;
};

class BodyReader final : public XmlHandler {
public:
    // Reads a part into sink; part names the part whose relationships link
    // targets come from; notes are the bodies references find (null while
    // the notes parts themselves are read).
    BodyReader(Package &package, std::string part, const ThemeFonts &theme, const NoteBodies *notes,
               textdoc::TextSink &sink);
    // Reads a notes or comments part into bodies.
    BodyReader(Package &package, std::string part, const ThemeFonts &theme, NoteBodies &bodies);

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view piece) override;
    // Pictures of the body are kept in pictures (else shown by name only).
    void keep_pictures(PictureStore &pictures) { pictures_ = &pictures; }
    // Reads a header or footer: page numbers are not shown.
    void read_as_running_text() { fields_.hide_page_numbers(); }
    // The headers and footers of the body's last section (w:sectPr).
    const std::vector<RunningReference> &running_references() const { return running_; }

    // Text boxes nested deeper than this are left out.
    static constexpr size_t kMaxTextBoxDepth = 8;

private:
    enum class Role : uint8_t {
        Skip,
        Container,
        Block,
        Paragraph,
        Run,
        Text,
        Instruction,
        Table,
        TableGrid,
        Row,
        RowProperties,
        Cell,
        CellProperties,
        Drawing,
        Math,
        Properties,
        SectionProperties
    };
    // What to do when the element ends.
    enum class Close : uint8_t {
        None,
        Body,
        Note,
        Paragraph,
        Run,
        Text,
        Instruction,
        Hyperlink,
        Table,
        Row,
        Cell,
        TextBox,
        Drawing,
        AlternateContent
    };
    struct Entry {
        Role role;
        Close close = Close::None;
    };
    struct ParagraphState {
        ParagraphProperties props;
        bool begun = false;
        RunProperties run;
        bool run_given = false;
    };
    struct TableState {
        textdoc::TableStart table;
        bool begun = false;
        textdoc::RowStart row;
        bool row_begun = false;
        textdoc::CellStart cell;
        bool cell_begun = false;
    };
    struct NoteInProgress {
        enum class Kind : uint8_t { Footnote, Endnote, Comment } kind;
        std::string id, author;
        std::unique_ptr<textdoc::Recording> body;
    };

    Entry container_child(const XmlName &name, const XmlAttributes &a);
    Entry block_child(const XmlName &name, const XmlAttributes &a);
    Entry paragraph_child(const XmlName &name, const XmlAttributes &a);
    Entry run_child(const XmlName &name, const XmlAttributes &a);
    Entry table_child(const XmlName &name);
    Entry row_child(const XmlName &name);
    Entry cell_child(const XmlName &name, const XmlAttributes &a);
    Entry drawing_child(const XmlName &name, const XmlAttributes &a);
    Entry math_child(const XmlName &name);
    Entry markup_compatibility(const XmlName &name, const XmlAttributes &a);
    void table_property(Role role, const XmlName &name, const XmlAttributes &a);
    void section_property(const XmlName &name, const XmlAttributes &a);
    void close(const Entry &entry);

    textdoc::TextSink &sink() { return *sinks_.back(); }
    ParagraphState &paragraph() { return paragraphs_.back(); }
    void begin_paragraph_if_due();
    void announce_run();
    void show(std::string_view utf8);
    void show_text(std::string_view text, bool preserve);
    // The elements of a run (run_child's table).
    Entry run_properties(const XmlAttributes &a);
    Entry text_element(const XmlAttributes &a);
    Entry instruction(const XmlAttributes &a);
    Entry tab(const XmlAttributes &a);
    Entry break_element(const XmlAttributes &a);
    Entry line_break(const XmlAttributes &a);
    Entry symbol(const XmlAttributes &a);
    Entry non_breaking_hyphen(const XmlAttributes &a);
    Entry soft_hyphen(const XmlAttributes &a);
    Entry field_char(const XmlAttributes &a);
    Entry footnote_reference(const XmlAttributes &a);
    Entry endnote_reference(const XmlAttributes &a);
    Entry comment_reference(const XmlAttributes &a);
    Entry drawing(const XmlAttributes &a);
    void note_reference(const XmlAttributes &a, bool endnote);
    std::string link_target(const XmlAttributes &a);
    void bookmark(const XmlAttributes &a);
    Entry begin_note(const XmlName &name, const XmlAttributes &a);
    void finish_note();
    Entry begin_text_box();
    void finish_text_box();
    textdoc::ObjectRef object_of(textdoc::ObjectKind kind, const DrawingObject &drawing);
    void begin_table_if_due();
    void begin_row_if_due();
    void begin_cell_if_due();

    Package &package_;
    PictureStore *pictures_ = nullptr;
    std::string part_;
    const NoteBodies *notes_ = nullptr;
    NoteBodies *bodies_ = nullptr;
    PropertyReader props_;
    std::vector<Entry> stack_;
    std::vector<textdoc::TextSink *> sinks_;
    std::vector<std::unique_ptr<textdoc::Recording>> text_boxes_;
    std::vector<ParagraphState> paragraphs_;
    std::vector<TableState> tables_;
    std::vector<DrawingObject> drawings_;
    std::vector<bool> alternates_taken_;
    std::vector<RunningReference> running_;
    std::optional<NoteInProgress> note_;
    fields::FieldStack fields_;
    std::string text_;
    bool preserve_ = false;
    bool warned_text_boxes_ = false;
};

}  // namespace qrv::import::docx
