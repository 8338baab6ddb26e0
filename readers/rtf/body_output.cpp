#include "body_output.hpp"

#include <algorithm>

#include "textdoc/recording.hpp"
#include "definitions.hpp"

namespace qrv::import::rtf {

size_t table_level(const GroupState &state) {
    return std::min<size_t>(static_cast<size_t>(std::max(state.nesting, 0)), BodyOutput::kMaxNesting);
}

namespace {

textdoc::ParagraphStart paragraph_start(const GroupState &state) {
    textdoc::ParagraphStart start;
    if (state.paragraph_style >= 0) start.style = Definitions::paragraph_style_key(state.paragraph_style);
    start.direct = state.para;
    if (state.list_override > 0) {
        start.list.list = Definitions::list_key(state.list_override);
        start.list.level = static_cast<unsigned>(std::clamp(state.list_level, 0, 11));
    }
    return start;
}

}  // namespace

const RowDefinition &BodyOutput::row_for(size_t level) const {
    static const RowDefinition kNone;
    if (level_rows_ && level >= 1 && level <= level_rows_->size() && (*level_rows_)[level - 1])
        return *(*level_rows_)[level - 1];
    const RowDefinition *row = level <= 1 ? outer_ : nested_;
    return row ? *row : kNone;
}

bool BodyOutput::start_paragraph(const GroupState &state) {
    const size_t level = table_level(state);
    if (level != tables_.size() || (level > 0 && !tables_.back().cell_open)) {
        close_paragraph();
        reach_tables(level, nullptr);
    }
    if (dropping()) {
        label_.clear();
        return false;
    }
    if (!paragraph_open_) {
        sink_.begin_paragraph(paragraph_start(state));
        paragraph_open_ = true;
        run_stated_ = false;
        if (!tables_.empty()) tables_.back().cell_has_paragraph = true;
    }
    if (!label_.empty()) {
        start_run(state);
        sink_.text(label_);
        label_.clear();
    }
    return true;
}

void BodyOutput::start_run(const GroupState &state) {
    textdoc::RunStart run;
    if (state.character_style >= 0) run.style = Definitions::character_style_key(state.character_style);
    run.direct = state.chars;
    if (run_stated_ && run == run_) return;
    run_ = std::move(run);
    run_stated_ = true;
    sink_.run(run_);
}

void BodyOutput::reach_tables(size_t level, const RowDefinition *row) {
    while (tables_.size() > level) close_table();
    while (tables_.size() < level) open_table(row && tables_.size() + 1 == level ? *row : row_for(tables_.size() + 1));
    if (level == 0) return;
    OpenTable &table = tables_.back();
    if (!table.row_open) open_row(table, row ? *row : row_for(level));
    if (!table.cell_open) open_cell(table);
}

void BodyOutput::open_table(const RowDefinition &row) {
    if (!tables_.empty()) {
        OpenTable &outer = tables_.back();
        if (!outer.cell_open) open_cell(outer);
        outer.cell_has_paragraph = true;  // the table is the cell's content
    }
    textdoc::TableStart start;
    start.grid = row.grid();
    sink_.begin_table(start);
    tables_.push_back({});
    open_row(tables_.back(), row);
}

void BodyOutput::open_row(OpenTable &table, const RowDefinition &row) {
    table.row = row;
    table.row_open = true;
    table.cells_done = 0;
    textdoc::RowStart start;
    start.header = row.header;
    start.height = row.height;
    sink_.begin_row(start);
}

void BodyOutput::open_cell(OpenTable &table) {
    table.cell_open = true;
    table.cell_has_paragraph = false;
    if (!table.row.continues_merge(table.cells_done)) sink_.begin_cell(table.row.cell(table.cells_done));
}

void BodyOutput::close_cell(OpenTable &table) {
    if (!table.cell_open) return;
    const bool dropped = table.row.continues_merge(table.cells_done);
    if (!dropped && !table.cell_has_paragraph) {
        sink_.begin_paragraph({});
        sink_.end_paragraph();
    }
    if (!dropped) sink_.end_cell();
    table.cell_open = false;
    ++table.cells_done;
}

void BodyOutput::close_row(OpenTable &table) {
    close_cell(table);
    if (table.row_open) sink_.end_row();
    table.row_open = false;
}

void BodyOutput::close_table() {
    close_paragraph();
    close_row(tables_.back());
    sink_.end_table();
    tables_.pop_back();
}

void BodyOutput::close_paragraph() {
    if (!paragraph_open_) return;
    end_link();
    sink_.end_paragraph();
    paragraph_open_ = false;
}

void BodyOutput::text(std::string_view utf8, const GroupState &state) {
    if (utf8.empty() || !start_paragraph(state)) return;
    start_run(state);
    sink_.text(utf8);
}

void BodyOutput::line_break(const GroupState &state) {
    if (start_paragraph(state)) sink_.line_break();
}

void BodyOutput::page_break(const GroupState &state) {
    if (start_paragraph(state)) sink_.page_break();
}

void BodyOutput::end_paragraph(const GroupState &state) {
    start_paragraph(state);
    close_paragraph();
}

void BodyOutput::end_cell(size_t level, const GroupState &state, const RowDefinition &row) {
    level = std::clamp<size_t>(level, 1, kMaxNesting);
    if (tables_.size() < level || !tables_[level - 1].cell_open) {
        close_paragraph();
        reach_tables(level, &row);
    }
    close_paragraph();
    while (tables_.size() > level) close_table();
    close_cell(tables_.back());
    (void)state;
}

void BodyOutput::end_row(size_t level, const GroupState &state, const RowDefinition &row) {
    level = std::clamp<size_t>(level, 1, kMaxNesting);
    (void)row;
    (void)state;
    close_paragraph();
    // A row mark with no cell before it ends nothing: no empty row is made.
    if (tables_.size() < level) return;
    while (tables_.size() > level) close_table();
    OpenTable &table = tables_.back();
    if (table.row_open) close_row(table);
}

void BodyOutput::note(textdoc::NoteKind kind, const textdoc::Recording &body, const GroupState &state) {
    if (start_paragraph(state)) sink_.note(kind, body);
}

void BodyOutput::comment(std::string_view author, const textdoc::Recording &body, const GroupState &state) {
    if (start_paragraph(state)) sink_.comment(author, body);
}

void BodyOutput::frame(const textdoc::Recording &content, const GroupState &state) {
    if (start_paragraph(state)) sink_.frame(content);
}

void BodyOutput::object(const textdoc::ObjectRef &object, const GroupState &state) {
    if (start_paragraph(state)) sink_.object(object);
}

void BodyOutput::bookmark(std::string_view name, const GroupState &state) {
    if (start_paragraph(state)) sink_.bookmark(name);
}

void BodyOutput::begin_link(std::string_view target, const GroupState &state) {
    if (!start_paragraph(state)) return;
    end_link();
    sink_.begin_link(target);
    link_open_ = true;
}

void BodyOutput::end_link() {
    if (!link_open_) return;
    sink_.end_link();
    link_open_ = false;
}

void BodyOutput::finish() {
    close_paragraph();
    while (!tables_.empty()) close_table();
}

}  // namespace qrv::import::rtf
