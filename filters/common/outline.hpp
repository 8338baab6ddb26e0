// The document tree of one export: sections, headings, notes and bookmarks
// recorded while the walk goes, then settled by the library's patch-up and
// read back as the table of contents and the notes.
#pragma once

#include <qrvex/doctree.h>

#include <memory>
#include <string>
#include <vector>

#include "writer.hpp"

namespace qrv::filters {

// The 16-byte note record kept in the tree: where its text lies, its number
// and its kind.
struct NoteRecord {
    uint32_t BeginId;
    uint32_t EndId;
    uint32_t Number;
    uint32_t Kind;
};
static_assert(sizeof(NoteRecord) == 16, "a note record is 16 bytes");
inline constexpr uint32_t kCommentTreeKind = 3;

// The anchor that a heading starting at an item carries.
std::string heading_anchor(uint32_t first_item_id);
// The anchor of a presentation's slide: "slide-N"; and what the outputs
// call it: "Slide N".
std::string slide_anchor(unsigned number);
std::string slide_label(unsigned number);

// Headings are kept only for a table of contents: a heading's record in the
// tree holds two copies of the walk's state (3.4 KiB), so a document of a
// million headings would need gigabytes for a contents nobody asked for.
// With contents, the first kMostHeadings are kept (about 34 MiB) and the
// contents stop there.
class Outline {
public:
    static constexpr unsigned kMostHeadings = 10000;

    Outline(CHHandle h, bool keep_headings);
    ~Outline();
    Outline(const Outline &) = delete;
    Outline &operator=(const Outline &) = delete;

    uint32_t add_section(uint32_t first_id, uint32_t last_id, uint32_t kind);
    // A heading at level, whose text starts at first_id, and the item its
    // body starts at (both nothing once no more headings are kept).
    uint32_t add_heading(uint32_t first_id, unsigned level);
    uint32_t end_paragraph(uint32_t body_start_id);
    // Records a note whose text lies between its tag begin and end; gives
    // the note's number (1 for the first of the document).  Footnotes and
    // endnotes share one sequence of numbers, comments have their own.
    unsigned add_note(uint32_t begin_id, uint32_t end_id, NoteKind kind = NoteKind::Footnote);
    // A comment on a spreadsheet's cell, named by place ("Sheet1!B3").
    unsigned add_cell_comment(uint32_t begin_id, uint32_t end_id, std::string place);
    uint32_t add_bookmark(uint32_t begin_id, unsigned number);
    // A document property whose text lies from first_id up to (not
    // including) after_id.
    uint32_t add_property(uint32_t property_id, uint32_t first_id, uint32_t after_id);

    // Settles the headings (EXDTPatchup) and reads the tree back.
    uint32_t settle();
    std::vector<OutlineEntry> entries() const;
    std::vector<Note> notes() const;
    // The note whose record is given, read from its items (kind as the tree
    // counts: 1 footnote, 2 endnote, kCommentTreeKind comment).
    Note note_of(const NoteRecord &record, uint32_t kind) const;

private:
    // The last heading of the document (or one it holds) has its text run
    // to the document's last item.
    bool ends_in_heading_text() const;
    void add_entries(const LUList *headings, unsigned level, std::vector<OutlineEntry> &out) const;

    CHHandle chunker_;
    std::unique_ptr<EXDTTree> tree_;
    std::unique_ptr<EXDTState> state_;
    unsigned notes_ = 0;
    unsigned comments_ = 0;
    std::vector<std::pair<unsigned, std::string>> places_;  // of comments on cells, by number
    unsigned headings_left_ = 0;  // that may still be kept
};

// UTF-8 text of the text runs from first to last (inclusive), skipping
// skippable tags (notes inside a heading, for instance); at most limit bytes.
// A break between texts is one separator.
std::string plain_text_between(CHHandle h, uint32_t first_id, uint32_t last_id, size_t limit = 4096,
                               char separator = ' ');
// The lines of such a text (a slide's notes); views into text.
std::vector<std::string_view> lines_of(std::string_view text);

}  // namespace qrv::filters
