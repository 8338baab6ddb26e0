// The body of an RTF document (or of one of its notes) as text-sink
// events.  RTF marks the ends of paragraphs, cells and rows, not their
// starts, so a paragraph begins with the first thing shown in it, taking
// the properties in force then, and the tables it is in (\intbl, \itapN)
// are opened or closed around it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "textdoc/text_sink.hpp"
#include "group_state.hpp"
#include "row_definition.hpp"

namespace qrv::import::rtf {

class BodyOutput {
public:
    explicit BodyOutput(textdoc::TextSink &sink) : sink_(sink) {}

    void text(std::string_view utf8, const GroupState &state);
    void line_break(const GroupState &state);
    void page_break(const GroupState &state);
    void end_paragraph(const GroupState &state);
    // \cell (level 1) and \nestcell, \row and \nestrow.
    void end_cell(size_t level, const GroupState &state, const RowDefinition &row);
    void end_row(size_t level, const GroupState &state, const RowDefinition &row);
    void note(textdoc::NoteKind kind, const textdoc::Recording &body, const GroupState &state);
    void comment(std::string_view author, const textdoc::Recording &body, const GroupState &state);
    // A text box anchored in the paragraph: its paragraphs follow it.
    void frame(const textdoc::Recording &content, const GroupState &state);
    // A header or footer: beside the flow, the paragraph in hand goes on.
    void running(model::RunningKind kind, model::RunningPages pages, const textdoc::Recording &body) {
        sink_.running(kind, pages, body);
    }
    void object(const textdoc::ObjectRef &object, const GroupState &state);
    void bookmark(std::string_view name, const GroupState &state);
    // Text that goes before what the paragraph to come shows first.
    void label(std::string text) { label_ = std::move(text); }
    void begin_link(std::string_view target, const GroupState &state);
    void end_link();
    // Closes what is still open.
    void finish();

    // Row definitions for the tables opened from here on: the outer
    // table's, and the nested tables'.
    void set_rows(const RowDefinition *outer, const RowDefinition *nested) {
        outer_ = outer;
        nested_ = nested;
    }

    // Row definitions by level (the outer table's first) for the rows
    // opened from here on, where each is known before its cells; a null
    // entry, or a level past them, takes set_rows's.
    void set_level_rows(const std::vector<const RowDefinition *> *rows) { level_rows_ = rows; }

    // Tables nested deeper than this are read as the cell they are in.
    static constexpr size_t kMaxNesting = 32;

private:
    struct OpenTable {
        RowDefinition row;  // of the row in hand
        bool row_open = false, cell_open = false, cell_has_paragraph = false;
        size_t cells_done = 0;
    };

    // False inside a cell covered by a horizontal merge: its content is dropped.
    bool start_paragraph(const GroupState &state);
    void start_run(const GroupState &state);
    void reach_tables(size_t level, const RowDefinition *row);
    void open_table(const RowDefinition &row);
    void open_row(OpenTable &table, const RowDefinition &row);
    void open_cell(OpenTable &table);
    void close_cell(OpenTable &table);
    void close_row(OpenTable &table);
    void close_table();
    void close_paragraph();
    const RowDefinition &row_for(size_t level) const;
    bool dropping() const { return !tables_.empty() && tables_.back().row.continues_merge(tables_.back().cells_done); }

    textdoc::TextSink &sink_;
    const RowDefinition *outer_ = nullptr, *nested_ = nullptr;
    const std::vector<const RowDefinition *> *level_rows_ = nullptr;
    std::vector<OpenTable> tables_;
    bool paragraph_open_ = false, link_open_ = false;
    bool run_stated_ = false;
    textdoc::RunStart run_;
    std::string label_;
};

size_t table_level(const GroupState &state);

}  // namespace qrv::import::rtf
