// The text flow: paragraphs, their runs, list items, notes, bookmarks and the
// tables in them.  A flow inside a table cell stops at the item that ends the
// cell, the row or the table and leaves it to the table.
#pragma once

#include <qrvex/items.h>

#include "context.hpp"

namespace qrv::filters {

// Where a flow stopped: the item that ended it (a cell or row break or a
// table end inside a table), or CH_NO_ITEM when it ran to its bound.
struct FlowStop {
    uint32_t id = CH_NO_ITEM;
    uint32_t next = CH_NO_ITEM;  // id of the item after it
    CHItem item{};
};

class Flow {
public:
    Flow(WalkContext &ctx, unsigned table_depth) : ctx_(ctx), depth_(table_depth) {}

    // Walks from id to last (inclusive).  Returns 0, or the code of a read
    // that failed (the paragraph in hand is closed first).
    uint32_t walk(uint32_t id, uint32_t last, FlowStop &stop);

private:
    static constexpr size_t kLongestNotes = 1 << 20;  // bytes of a slide's notes shown
    void start_slide_title();
    // Each handler returns the id to go on at.
    uint32_t on_text(const CHItem &item, uint32_t next);
    uint32_t on_break(const CHItem &item, uint32_t id, uint32_t next, bool &stop_here);
    uint32_t on_tag(const CHItem &item, uint32_t id, uint32_t next, uint32_t last);
    void on_tagged(const CHItem &item, uint32_t id, uint32_t next, uint32_t end);
    void on_object(const CHItem &item, uint32_t next, uint32_t end);
    uint32_t on_change(const CHItem &item, uint32_t id, uint32_t next, uint32_t last);
    uint32_t on_table(uint32_t id, uint32_t next, uint32_t last);
    uint32_t on_data_value(const CHItem &item, uint32_t next);

    void open_paragraph();
    void close_paragraph(uint32_t next);
    void write_run(std::string_view utf8);

    WalkContext &ctx_;
    unsigned depth_;
    bool open_ = false;
    bool in_title_ = false;
    uint32_t paragraph_first_ = CH_NO_ITEM;  // first item of the paragraph in hand
    CUTextChangeInfo written_{};             // the attributes of the last run written
    TextFormat format_{};
    bool format_known_ = false;
};

// True for the item types that the library's change walk takes.
bool is_change_item(uint32_t type);

}  // namespace qrv::filters
