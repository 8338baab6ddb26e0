#include "json_writer.hpp"

#include "json_chart.hpp"

#include <algorithm>

#include "pictures.hpp"
#include "cell_address.hpp"
#include "iso_dates.hpp"
#include "outline.hpp"
#include "model.hpp"
#include "raw_value.hpp"
#include "sheet.hpp"

namespace qrv::filters::json {
namespace {

const char *paragraph_type(ParaKind kind) {
    switch (kind) {
    case ParaKind::Title: return "title";
    case ParaKind::Heading: return "heading";
    case ParaKind::ListItem: return "list_item";
    default: return "paragraph";
    }
}

const char *object_kind(unsigned kind) {
    switch (kind) {
    case kPictureObject: return "picture";
    case kChartObject: return "chart";
    default: return "object";
    }
}

const char *note_kind(NoteKind kind) {
    switch (kind) {
    case NoteKind::Endnote: return "endnote";
    case NoteKind::Comment: return "comment";
    default: return "footnote";
    }
}

const char *cell_type(const SheetCell &cell) {
    if (cell.kind == kCellTruth) return "boolean";
    if (cell.kind == kCellError) return "error";
    return cell.numeric ? "number" : "text";
}

// The name of a document property by its id; ids without one are named by
// their number.
std::string property_name(uint32_t id) {
    static constexpr const char *kNames[] = {"title",       "subject",     "author",  "keywords",
                                             "description", "last_author", "created", "modified"};
    if (id >= 1 && id <= std::size(kNames)) return kNames[id - 1];
    return "property_" + std::to_string(id);
}

}  // namespace

JsonWriter::JsonWriter(Output &page) : out_(page) {
    nest_.open('{');
    string_field("format", "qrvex-document");
    number_field("version", 1);
    nest_.open("blocks", '[');
}

void JsonWriter::string_field(std::string_view name, std::string_view value) {
    nest_.key(name);
    write_string(out_, value);
}

void JsonWriter::number_field(std::string_view name, uint64_t value) {
    nest_.key(name);
    out_.number(value);
}

void JsonWriter::true_field(std::string_view name, bool value) {
    if (!value) return;
    nest_.key(name);
    out_ += "true";
}

void JsonWriter::begin_paragraph(const ParaFormat &para) {
    if (paragraph_open_) end_paragraph();
    nest_.open('{');
    string_field("type", paragraph_type(para.kind));
    if (para.kind == ParaKind::Heading) number_field("level", std::clamp(para.heading_level, 1u, 6u));
    if (para.kind == ParaKind::ListItem) {
        number_field("level", std::max(1u, para.list_level));
        true_field("numbered", para.numbered);
    }
    if (para.kind != ParaKind::Body && !para.marker.empty()) string_field("number", para.marker);
    if (!para.style.empty()) string_field("style", para.style);
    nest_.open("runs", '[');
    paragraph_open_ = true;
}

void JsonWriter::open_paragraph_if_needed() {
    if (!paragraph_open_) begin_paragraph(ParaFormat{});
}

// A run: its text and the formatting it has (what it has not is left out).
void JsonWriter::flush_run() {
    if (run_.empty()) return;
    nest_.open('{');
    string_field("text", run_);
    true_field("bold", run_format_.bold);
    true_field("italic", run_format_.italic);
    true_field("underline", run_format_.underline);
    true_field("strike", run_format_.strike || run_format_.double_strike);
    true_field("superscript", run_format_.superscript);
    true_field("subscript", run_format_.subscript);
    true_field("small_caps", run_format_.small_caps);
    if (!run_link_.empty()) string_field("link", run_link_);
    nest_.close('}');
    run_.clear();
}

void JsonWriter::text(std::string_view utf8, const TextFormat &format) {
    if (format.hidden || utf8.empty()) return;
    open_paragraph_if_needed();
    if (!run_.empty() && (!(format == run_format_) || link_ != run_link_)) flush_run();
    if (run_.empty()) run_format_ = format, run_link_ = link_;
    run_ += utf8;
}

void JsonWriter::line_break() {
    open_paragraph_if_needed();
    if (run_.empty()) run_format_ = TextFormat{}, run_link_ = link_;
    run_ += '\n';
}

void JsonWriter::end_paragraph() {
    if (!paragraph_open_) return;
    flush_run();
    nest_.close(']');
    nest_.close('}');
    paragraph_open_ = false;
}

void JsonWriter::note_reference(unsigned number) {
    open_paragraph_if_needed();
    flush_run();
    nest_.open('{');
    number_field("note", number);
    nest_.close('}');
}

void JsonWriter::begin_link(std::string_view target) { link_ = target; }

void JsonWriter::end_link() { link_.clear(); }

// A picture, chart or object where it stands in the text: its
// description, and where known its file (or data: address), media type and
// size in points.
void JsonWriter::object(const ObjectInfo &object) {
    open_paragraph_if_needed();
    flush_run();
    nest_.open('{');
    nest_.open("image", '{');
    write_image(object);
    nest_.close('}');
    nest_.close('}');
}

void JsonWriter::write_image(const ObjectInfo &object) {
    string_field("kind", object_kind(object.kind));
    string_field("alt", object.description);
    if (!object.name.empty()) string_field("name", object.name);
    if (!object.address.empty()) string_field("path", object.address);
    if (!object.media_type.empty()) string_field("media_type", object.media_type);
    if (object.width_pt && object.height_pt) {
        number_field("width", object.width_pt);
        number_field("height", object.height_pt);
    }
    if (object.chart) write_chart(out_, nest_, *object.chart);
}

void JsonWriter::begin_table(unsigned columns) {
    end_paragraph();
    nest_.open('{');
    string_field("type", "table");
    number_field("columns", columns);
    nest_.open("rows", '[');
}

void JsonWriter::begin_row() {
    nest_.open('{');
    nest_.open("cells", '[');
}

void JsonWriter::begin_cell(const CellFormat &cell) {
    nest_.open('{');
    if (cell.column_span > 1) number_field("column_span", cell.column_span);
    if (cell.row_span > 1) number_field("row_span", cell.row_span);
    true_field("header", cell.header);
    nest_.open("blocks", '[');
}

void JsonWriter::end_cell() {
    end_paragraph();
    nest_.close(']');
    nest_.close('}');
}

void JsonWriter::end_row() {
    nest_.close(']');
    nest_.close('}');
}

void JsonWriter::end_table() {
    nest_.close(']');
    nest_.close('}');
}

void JsonWriter::begin_sheet(const SheetInfo &sheet) {
    end_paragraph();
    nest_.open('{');
    string_field("type", "sheet");
    string_field("name", sheet.name);
    true_field("hidden", sheet.hidden);
    date1904_ = sheet.date1904;
    column_sources_.clear();
    // Columns that do not say where they come from follow the one before.
    uint32_t next = 0;
    for (const auto &c : sheet.columns) {
        const uint32_t source = std::max(c.first, next);
        column_sources_.push_back(source);
        next = source + (c.gap ? c.last - c.first + 1 : 1);
    }
    hidden_columns(sheet);
    last_row_ = last_column_ = 0;
    sheet_cells_ = false;
    nest_.open("rows", '[');
}

// The hidden columns by their letters, a stretch of empty ones as a range
// ("C:F"); their cells stay in the rows.
void JsonWriter::hidden_columns(const SheetInfo &sheet) {
    if (std::none_of(sheet.columns.begin(), sheet.columns.end(), [](const SheetColumn &c) { return c.hidden; })) return;
    nest_.open("hidden_columns", '[');
    for (size_t i = 0; i < sheet.columns.size(); ++i) {
        const SheetColumn &c = sheet.columns[i];
        if (!c.hidden) continue;
        const uint32_t first = column_sources_[i];
        nest_.member();
        write_string(out_, c.gap && c.last > c.first ? column_letters(first) + ":" + column_letters(first + c.last - c.first)
                                                     : column_letters(first));
    }
    nest_.close(']');
}

uint32_t JsonWriter::source_column(size_t column) const {
    return column < column_sources_.size() ? column_sources_[column] : static_cast<uint32_t>(column);
}

// Rows left out of a sparse sheet are left out here too: each row and cell
// says where it stands.
void JsonWriter::sheet_row_begin(const SheetRow &row) {
    gap_row_ = row.gap;
    if (gap_row_) return;
    row_ = row.first;
    column_ = 0;
    nest_.open('{');
    number_field("row", uint64_t{row.first} + 1);
    true_field("hidden", row.hidden);
    nest_.open("cells", '[');
}

void JsonWriter::sheet_cell(const SheetCell &cell) {
    if (gap_row_) return;
    const size_t column = column_;
    column_ += std::max(1u, cell.column_span);
    if (cell.text.empty() && cell.objects.empty() && cell.comments.empty()) return;  // kept for its objects or comments
    const uint32_t source = source_column(column);
    nest_.open('{');
    string_field("address", cell_address(source, row_));
    string_field("type", cell_type(cell));
    string_field("text", cell.text);
    if (cell.has_value) {
        nest_.key("value");
        out_ += cell.kind == kCellTruth ? (cell.value != 0 ? "true" : "false") : number_text(cell.value);
    }
    if (cell.format) {
        string_field("format", cell.format->code);
        if (auto iso = iso_text(cell.value, cell.format->kind, date1904_)) string_field("date", *iso);
    }
    if (cell.column_span > 1 || cell.row_span > 1)
        string_field("merge", cell_address(source, row_) + ":" +
                                  cell_address(source_column(column_ - 1), row_ + std::max(1u, cell.row_span) - 1));
    if (!cell.link.empty()) string_field("link", cell.link);
    if (!cell.objects.empty()) {
        nest_.open("images", '[');
        for (const ObjectInfo &object : cell.objects) {
            nest_.open('{');
            write_image(object);
            nest_.close('}');
        }
        nest_.close(']');
    }
    if (!cell.comments.empty()) {
        nest_.open("comments", '[');
        for (const SheetComment &comment : cell.comments) {
            nest_.member();
            out_.number(comment.number);
        }
        nest_.close(']');
    }
    nest_.close('}');
    last_row_ = std::max(last_row_, row_ + 1);
    last_column_ = std::max(last_column_, source + 1);
    sheet_cells_ = true;
}

void JsonWriter::sheet_row_end() {
    if (gap_row_) return;
    nest_.close(']');
    nest_.close('}');
}

void JsonWriter::end_sheet() {
    nest_.close(']');
    nest_.open("dimensions", '{');
    number_field("rows", last_row_);
    number_field("columns", last_column_);
    if (sheet_cells_) string_field("range", "A1:" + cell_address(last_column_ - 1, last_row_ - 1));
    nest_.close('}');
    nest_.close('}');
}

// A slide's notes stand beside its text as a comment on it does: they are
// listed with the comments, numbered after them.
void JsonWriter::slide_notes(std::string_view notes) {
    std::string text;
    for (std::string_view line : lines_of(notes)) text += (text.empty() ? "" : " ") + std::string(line);
    slide_notes_.push_back(std::move(text));
}

void JsonWriter::finish(std::string_view title, const std::vector<OutlineEntry> &, const std::vector<Note> &notes) {
    end_paragraph();
    nest_.close(']');
    nest_.open("notes", '[');
    unsigned comments = 0;
    for (const auto &note : notes) {
        nest_.open('{');
        number_field("number", note.number);
        string_field("kind", note_kind(note.kind));
        string_field("text", note.text);
        if (!note.author.empty()) string_field("author", note.author);
        if (!note.place.empty()) string_field("cell", note.place);
        nest_.close('}');
        if (note.kind == NoteKind::Comment) comments = std::max(comments, note.number);
    }
    for (const std::string &text : slide_notes_) {
        nest_.open('{');
        number_field("number", ++comments);
        string_field("kind", note_kind(NoteKind::Comment));
        string_field("text", text);
        nest_.close('}');
    }
    nest_.close(']');
    nest_.open("properties", '{');
    for (const auto &p : properties_) string_field(property_name(p.id), p.value);
    nest_.close('}');
    if (!title.empty()) string_field("title", title);
    if (const std::string *header = running_.header()) string_field("header", *header);
    if (const std::string *footer = running_.footer()) string_field("footer", *footer);
    nest_.close('}');
    out_ += '\n';
}

}  // namespace qrv::filters::json
