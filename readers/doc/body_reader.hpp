// A story of the text (the main text, or one note's) as text-sink events.
// A paragraph's properties are those of its mark, so each paragraph's end
// is found before its text is sent; a run's are those of the character
// pages at each character's stream offset.  Marks end paragraphs (13),
// cells and rows (7, and 13 in nested tables); fields (19, 20, 21) show
// their result, and a HYPERLINK field links it; note references (2) carry
// their note's text; picture and object anchors (1, 8) become objects.
#pragma once

#include <cstdint>

#include "fields/field_stack.hpp"
#include "rtf/body_output.hpp"
#include "textdoc/text_sink.hpp"
#include "fkp.hpp"
#include "notes.hpp"
#include "piece_table.hpp"
#include "sprm.hpp"

namespace qrv::import::doc {

struct DocContent {
    const DocText &text;
    const FormatRuns &chars;
    const FormatRuns &paragraphs;
    const Notes &notes;
    bool lists = false;  // the document defines lists paragraphs may name
};

class BodyReader {
public:
    BodyReader(const DocContent &content, textdoc::TextSink &sink, bool in_note = false);

    // Sends characters [from, to) and closes what is still open.
    void read(uint32_t from, uint32_t to);

private:
    void character(uint32_t cp);
    void shown(char16_t c);
    void special(char16_t c, uint32_t cp);
    void mark(char16_t c);
    void field_mark(char16_t c);
    void note_reference(uint32_t cp);
    void take_paragraph(uint32_t cp, uint32_t to);
    void take_run(uint32_t cp);
    void flush();
    bool showing() const { return fields_.showing(); }

    const DocContent &content_;
    rtf::BodyOutput out_;
    bool in_note_;
    fields::FieldStack fields_;
    rtf::GroupState state_;
    ParaProps para_;
    CharProps chars_;
    const FormatRun *run_ = nullptr;
    bool run_known_ = false;
    uint32_t paragraph_end_ = 0;  // the mark of the paragraph in hand
    bool paragraph_known_ = false;
    std::string pending_;  // text of the run in hand not yet sent
    char16_t high_surrogate_ = 0;
};

}  // namespace qrv::import::doc
