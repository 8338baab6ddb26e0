#include "markdown_writer.hpp"

#include <algorithm>

#include "chart_block.hpp"
#include "chart_table.hpp"
#include "pictures.hpp"
#include "model.hpp"
#include "outline.hpp"
#include "sheet.hpp"

namespace qrv::filters::markdown {
namespace {

constexpr unsigned kMaxHeadingLevel = 6;

// "12." or "3)": a number Markdown reads as an ordered item's.
bool decimal_marker(std::string_view marker) {
    if (marker.size() < 2 || marker.size() > 10) return false;
    const char last = marker.back();
    if (last != '.' && last != ')') return false;
    return std::all_of(marker.begin(), marker.end() - 1, [](char c) { return c >= '0' && c <= '9'; });
}

std::string escaped(std::string_view text, TextPlace place) {
    std::string out;
    bool line_start = false;
    append_escaped(out, text, place, line_start);
    return out;
}

// An image of the object's picture (no address: by its description).
std::string image_markup(const ObjectInfo &object, TextPlace place) {
    if (object.chart) return "![" + escaped("Chart: " + chart_caption(object), place) + "]()";
    const std::string alt = object_alt(object).empty() ? std::string(object_word(object.kind)) : object_alt(object);
    return "![" + escaped(alt, place) + "](" + object.address + ")";
}

}  // namespace

// Blocks are separated by an empty line; list items of one list are not.
void MarkdownWriter::separate(Block next, bool tight) {
    if (last_ != Block::None && !tight) out_ += '\n';
    last_ = next;
}

void MarkdownWriter::write_slide_heading() {
    if (!slide_due_) return;
    lists_.clear();
    separate(Block::Other, false);
    out_ += "# " + slide_label(*slide_due_) + "\n";
    slide_due_.reset();
}

// The notes of a slide: a block quote, its first paragraph led by "Notes:".
void MarkdownWriter::slide_notes(std::string_view notes) {
    write_slide_heading();
    lists_.clear();
    separate(Block::Other, false);
    std::string quote = "> Notes: ";
    bool line_start = false, first = true;
    for (std::string_view line : lines_of(notes)) {
        if (!first) quote += "\n>\n> ", line_start = true;
        append_escaped(quote, line, TextPlace::Block, line_start);
        first = false;
    }
    out_ += quote;
    out_ += '\n';
}

void MarkdownWriter::begin_paragraph(const ParaFormat &para) {
    if (in_table()) return begin_cell_paragraph(para);
    const bool slide_title = slide_due_ && para.kind == ParaKind::Heading;
    if (!slide_title) write_slide_heading();
    block_.clear();
    block_kind_ = Block::Other;
    block_tight_ = false;
    block_always_ = para.kind != ParaKind::Body;
    if (para.kind == ParaKind::ListItem) return begin_list_item(para);
    lists_.clear();
    if (para.kind == ParaKind::Body) return inline_.start(block_, TextPlace::Block, true);
    const unsigned level = para.kind == ParaKind::Title ? 1 : std::clamp(para.heading_level, 1u, kMaxHeadingLevel);
    block_.assign(level, '#');
    block_ += ' ';
    if (slide_title) block_ += slide_label(*slide_due_) + ": ", slide_due_.reset();
    if (!para.marker.empty()) block_ += escaped(para.marker, TextPlace::Heading) + " ";
    inline_.start(block_, TextPlace::Heading, false);
}

// An item nests under the open item of the level above, indented to where
// that item's text starts.  A number Markdown can read as an ordered
// item's is written as one; other numbers ("a)", "1.2.") follow a dash.
// An item that could not start a list inside the text before it (an
// ordered one not counting from 1, after another kind of item) follows an
// empty line.
void MarkdownWriter::begin_list_item(const ParaFormat &para) {
    const size_t level = std::max(1u, para.list_level);
    const bool ordered = para.numbered && decimal_marker(para.marker);
    const std::string marker = ordered ? para.marker : "-";
    const bool continues = lists_.size() >= level && lists_[level - 1].delimiter == marker.back();
    const bool starts_anywhere = !ordered || std::stoul(marker) == 1;
    if (lists_.size() >= level) lists_.resize(level - 1);
    block_.clear();
    // Levels the item skips get empty items to nest in.
    while (lists_.size() + 1 < level) {
        const size_t outer = lists_.empty() ? 0 : lists_.back().indent;
        block_.append(outer, ' ');
        block_ += "-\n";
        lists_.push_back({outer + 2, '-'});
    }
    const size_t indent = lists_.empty() ? 0 : lists_.back().indent;
    block_.append(indent, ' ');
    block_ += marker + ' ';
    if (para.numbered && !ordered && !para.marker.empty()) block_ += escaped(para.marker, TextPlace::Block) + " ";
    lists_.push_back({indent + marker.size() + 1, marker.back()});
    block_kind_ = Block::ListItem;
    block_tight_ = last_ == Block::ListItem && (continues || starts_anywhere);
    inline_.start(block_, TextPlace::Block, true, std::string(lists_.back().indent, ' '));
}

// Paragraphs of a cell are joined by <br>, those of a table inside a cell
// by spaces; headings and list items keep their numbers.
void MarkdownWriter::begin_cell_paragraph(const ParaFormat &para) {
    if (!cell_) cell_ = &table_->begin_cell(1, 1);
    cell_mark_ = cell_->size();
    block_always_ = !para.marker.empty() && para.kind != ParaKind::Body;
    if (table_depth_ > 1)
        space_in_cell();
    else if (!cell_->empty())
        *cell_ += "<br>";
    if (block_always_) *cell_ += escaped(para.marker, TextPlace::Cell) + " ";
    inline_.start(*cell_, TextPlace::Cell, false);
}

void MarkdownWriter::text(std::string_view utf8, const TextFormat &format) { inline_.text(utf8, format); }

void MarkdownWriter::end_paragraph() {
    end_link();
    inline_.finish();
    const bool empty = inline_.empty() && !block_always_;
    if (in_table()) {
        if (empty && cell_) cell_->resize(cell_mark_);
        return;
    }
    if (!empty) {
        separate(block_kind_, block_tight_);
        out_ += block_;
        out_ += '\n';
    }
    block_.clear();
    block_always_ = false;
    write_due_charts();
}

void MarkdownWriter::note_reference(unsigned number) { inline_.markup("[^" + std::to_string(number) + "]"); }

void MarkdownWriter::begin_link(std::string_view target) {
    end_link();
    link_target_ = target;
    inline_.begin_link();
}

void MarkdownWriter::end_link() { inline_.end_link(link_target_); }

// A picture by its description; the document gives no file to show.
// A picture as an image of its file (or data: address), an object without
// one by its description.  The address has no space or parenthesis left
// unencoded, so it never ends the image early.
void MarkdownWriter::object(const ObjectInfo &object) {
    inline_.markup(image_markup(object, in_table() ? TextPlace::Cell : TextPlace::Heading));
    if (object.chart) charts_due_.push_back(object);
}

// The data of the charts named since the last block, each a block of its own.
void MarkdownWriter::write_due_charts() {
    for (const ObjectInfo &chart : charts_due_) {
        lists_.clear();
        separate(Block::Other, false);
        write_chart_block(out_, chart);
    }
    charts_due_.clear();
}

void MarkdownWriter::space_in_cell() {
    if (cell_ && !cell_->empty() && cell_->back() != ' ') *cell_ += ' ';
}

void MarkdownWriter::begin_table(unsigned columns) {
    if (!in_table()) write_slide_heading();
    if (in_table()) {
        if (!cell_) cell_ = &table_->begin_cell(1, 1);
        ++table_depth_;
        space_in_cell();
        return;
    }
    lists_.clear();
    separate(Block::Other, false);
    table_ = std::make_unique<PipeTable>(columns);
    table_depth_ = 1;
    cell_ = nullptr;
}

void MarkdownWriter::begin_row() {
    if (table_depth_ > 1) return space_in_cell();
    table_->begin_row();
    cell_ = nullptr;
}

void MarkdownWriter::begin_cell(const CellFormat &cell) {
    if (table_depth_ > 1) return space_in_cell();
    cell_ = &table_->begin_cell(cell.column_span, cell.row_span);
    inline_.start(*cell_, TextPlace::Cell, false);
}

void MarkdownWriter::end_cell() {
    if (table_depth_ == 1) inline_.finish();
}

void MarkdownWriter::end_row() {
    if (table_depth_ == 1) table_->end_row(out_);
}

void MarkdownWriter::end_table() {
    if (table_depth_ > 1) {
        --table_depth_;
        return;
    }
    table_.reset();
    table_depth_ = 0;
    cell_ = nullptr;
    write_due_charts();
}

// A hidden sheet is written like the others, its heading (when it has a
// name) saying it is hidden; hidden rows and columns are kept unmarked (a pipe table has no
// way to mark them).
void MarkdownWriter::begin_sheet(const SheetInfo &sheet) {
    sheet_name_ = sheet.name;
    if (sheet.hidden && !sheet_name_.empty()) sheet_name_ += " (hidden)";
}

void MarkdownWriter::sheet_row_begin(const SheetRow &row) {
    gap_row_ = row.gap;
    if (!gap_row_) sheet_.begin_row();
}

void MarkdownWriter::sheet_cell(const SheetCell &cell) {
    if (gap_row_) return;
    std::string text = escaped(cell.text, TextPlace::Cell);
    if (!cell.link.empty() && !text.empty()) text = "[" + text + "](" + link_destination(cell.link) + ")";
    // A chart's title and data follow the sheet, in place of an image.
    for (const ObjectInfo &object : cell.objects) {
        if (object.chart) {
            charts_due_.push_back(object);
            continue;
        }
        text += (text.empty() ? "" : " ") + image_markup(object, TextPlace::Cell);
    }
    sheet_.add_cell(text, cell.numeric);
    for (unsigned i = 1; i < cell.column_span; ++i) sheet_.add_cell({}, false);
}

// A sheet: its name as a heading, then its cells as one pipe table.
void MarkdownWriter::end_sheet() {
    if (!sheet_name_.empty() || !sheet_.empty()) {
        lists_.clear();
        separate(Block::Other, false);
    }
    if (!sheet_name_.empty())
        out_ += "## " + escaped(sheet_name_, TextPlace::Heading) + (sheet_.empty() ? "\n" : "\n\n");
    sheet_.write(out_);
    write_due_charts();
}

// The notes after the text, each by its number; comments stand outside the
// text and are left out.
void MarkdownWriter::finish(std::string_view, const std::vector<OutlineEntry> &, const std::vector<Note> &notes) {
    write_due_charts();
    for (const auto &note : notes) {
        if (note.kind == NoteKind::Comment) continue;
        separate(Block::Other, false);
        std::string line = "[^" + std::to_string(note.number) + "]: ";
        bool line_start = true;
        append_escaped(line, note.text, TextPlace::Block, line_start);
        out_ += line;
        out_ += '\n';
    }
}

}  // namespace qrv::filters::markdown
