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

// The anchor that a heading starting at an item carries.
std::string heading_anchor(uint32_t first_item_id);

class Outline {
public:
    explicit Outline(CHHandle h);
    ~Outline();
    Outline(const Outline &) = delete;
    Outline &operator=(const Outline &) = delete;

    uint32_t add_section(uint32_t first_id, uint32_t last_id, uint32_t kind);
    uint32_t add_heading(uint32_t first_id, unsigned level);
    uint32_t end_paragraph(uint32_t body_start_id);
    // Records a note whose text lies between its tag begin and end; gives
    // the note's number (1 for the first of the document).
    unsigned add_note(uint32_t begin_id, uint32_t end_id);
    uint32_t add_bookmark(uint32_t begin_id, unsigned number);

    // Settles the headings (EXDTPatchup) and reads the tree back.
    uint32_t settle();
    std::vector<OutlineEntry> entries() const;
    std::vector<Note> notes() const;

private:
    // The last heading of the document (or one it holds) has its text run
    // to the document's last item.
    bool ends_in_heading_text() const;
    void add_entries(const LUList *headings, unsigned level, std::vector<OutlineEntry> &out) const;

    CHHandle chunker_;
    std::unique_ptr<EXDTTree> tree_;
    std::unique_ptr<EXDTState> state_;
    unsigned notes_ = 0;
};

// UTF-8 text of the text runs from first to last (inclusive), skipping
// skippable tags (notes inside a heading, for instance); at most limit bytes.
std::string plain_text_between(CHHandle h, uint32_t first_id, uint32_t last_id, size_t limit = 4096);

}  // namespace qrv::filters
