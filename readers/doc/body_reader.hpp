// A story of the text (the main text, or one beside it: a note's, a
// comment's, a text box's, a header's) as text-sink events.
// A paragraph's properties are those of its mark, so each paragraph's end
// is found before its text is sent; a run's are those of the character
// pages at each character's stream offset.  Marks end paragraphs (13),
// cells and rows (7, and 13 in nested tables); fields (19, 20, 21) show
// their result, and a HYPERLINK field links it; in the main text, note
// references (2) carry their note's text, comment references (5) their
// comment, and drawn-object anchors (8) of text boxes the boxes' text;
// picture and object anchors (1, 8) become objects, at the size the
// picture's header in the Data stream or the shape's rectangle gives; an
// inline PNG or JPEG picture is kept as the document's resource.
#pragma once

#include <cstdint>
#include <span>

#include "fields/field_stack.hpp"
#include "rtf/body_output.hpp"
#include "writer/picture_store.hpp"
#include "textdoc/recording.hpp"
#include "textdoc/text_sink.hpp"
#include "bookmarks.hpp"
#include "comments.hpp"
#include "fkp.hpp"
#include "fonts.hpp"
#include "notes.hpp"
#include "piece_table.hpp"
#include "row_ends.hpp"
#include "shapes.hpp"
#include "sprm.hpp"
#include "stories.hpp"
#include "text_boxes.hpp"

namespace qrv::import::doc {

struct DocContent {
    const DocText &text;
    const FormatRuns &chars;
    const FormatRuns &paragraphs;
    const Notes &notes;
    const Comments &comments;
    const Bookmarks &bookmarks;
    const TextBoxes &text_boxes;
    const Shapes &shapes;
    std::span<const uint8_t> data;  // the Data stream, empty where there is none
    PictureStore &pictures;
    bool lists = false;  // the document defines lists paragraphs may name
    const FontTable &fonts;
    Diagnostics &diagnostics;
};

class BodyReader {
public:
    // A story aside follows no reference: notes, comments and text boxes
    // do not nest.
    BodyReader(const DocContent &content, textdoc::TextSink &sink, bool aside = false);

    // Sends characters [from, to) and closes what is still open.
    void read(uint32_t from, uint32_t to);
    // A header or footer: page-number fields show no result.
    void read_as_running_text() { fields_.hide_page_numbers(); }

private:
    void character(uint32_t cp);
    void shown(char16_t c);
    void special(char16_t c, uint32_t cp);
    void mark(char16_t c);
    void field_mark(char16_t c);
    void note_reference(uint32_t cp);
    void comment_reference(uint32_t cp);
    // Writes the text boxes anchored at cp; false when none has text.
    bool text_boxes(uint32_t cp);
    // The picture or drawn object the mark c at cp stands for.
    textdoc::ObjectRef object_at(char16_t c, uint32_t cp) const;
    void take_paragraph(uint32_t cp, uint32_t to);
    // The layouts of the rows the paragraph starting at cp is in, by level.
    void take_rows(uint32_t cp, size_t depth);
    const rtf::RowDefinition &row_at(size_t level) const;
    void take_run(uint32_t cp);
    // The bookmarks that start at cp or before it and are not yet written.
    void bookmarks_to(uint32_t cp);
    void flush();
    bool showing() const { return fields_.showing(); }

    const DocContent &content_;
    rtf::BodyOutput out_;
    bool aside_;
    fields::FieldStack fields_;
    rtf::GroupState state_;
    std::optional<RowEnds> row_ends_;
    std::vector<const rtf::RowDefinition *> level_rows_;
    ParaProps para_;
    CharProps chars_;
    const FormatRun *run_ = nullptr;
    std::span<const uint8_t> piece_changes_;  // of the piece the run in hand is in
    bool run_known_ = false;
    size_t next_bookmark_ = 0;
    uint32_t paragraph_end_ = 0;  // the mark of the paragraph in hand
    bool paragraph_known_ = false;
    std::string pending_;  // text of the run in hand not yet sent
    char16_t high_surrogate_ = 0;
};

// A story aside, read on its own.
textdoc::Recording read_aside(const DocContent &content, StoryRange story);

}  // namespace qrv::import::doc
