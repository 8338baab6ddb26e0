#include "table_reader.hpp"

#include <algorithm>

#include "writer/utf16.hpp"
#include "core/error.hpp"
#include "sheet/day_numbers.hpp"
#include "odf/attribute_values.hpp"

namespace qrv::import::odf {
namespace {

constexpr unsigned kMostWarnings = 3;
// Cells of an empty framed stretch kept as cells; longer stretches are left plain.
constexpr uint64_t kMostFramedEmpty = 256;

// Elements that only group rows or columns: their children are read as if
// they stood in the table.
constexpr std::string_view kGroups[] = {"table-header-columns", "table-columns", "table-column-group",
                                        "table-header-rows",    "table-rows",    "table-row-group"};

bool is_group(std::string_view local) {
    return std::find(std::begin(kGroups), std::end(kGroups), local) != std::end(kGroups);
}

// Collapsed and filtered rows and columns are hidden.
bool is_hidden(const XmlAttributes &a) {
    const std::string_view visibility = a.get(Ns::Table, "visibility");
    return visibility == "collapse" || visibility == "filter";
}

uint32_t repeat_of(const XmlAttributes &a, std::string_view attribute) {
    return std::max<uint32_t>(1, count_of(a.get(Ns::Table, attribute), 1));
}

// The last place of a stretch of count from first, within the sheet.
uint32_t last_within(uint64_t first, uint64_t count, uint32_t bound) {
    return static_cast<uint32_t>(std::min<uint64_t>(first + count, bound) - 1);
}

}  // namespace

TableReader::TableReader(SpreadsheetContext context)
    : c_(std::move(context)), cells_left_(c_.limits.max_items / 2), text_(c_.styles), annotation_(c_.styles) {}

void TableReader::warn(const std::string &what) {
    if (warnings_++ < kMostWarnings) c_.diagnostics.warn(what);
}

void TableReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (skip_depth_) return;
    if (cell_depth_) {
        annotation_.start(name, a);
        return text_.start(name, a);
    }
    const std::string_view l = name.local;
    if (name.is(Ns::Office, "spreadsheet") && depth_ == 1) return start_spreadsheet();
    if (name.ns == Ns::Table && prepared_) {
        if (l == "table" && !sheet_) return start_table(a);
        if (sheet_ && l == "table-column") return column(a);
        if (sheet_ && l == "table-row") return start_row(a);
        if (sheet_ && l == "table-cell") return start_cell(a);
        if (sheet_ && is_group(l)) return;
        if (l == "calculation-settings" && !sheet_) return;
        if (l == "null-date") {
            date1904_ = a.get(Ns::Table, "date-value") == "1904-01-01";
            return;
        }
    }
    // Covered cells, shapes, forms, named ranges, and whatever else: passed over.
    if (name.is(Ns::Table, "covered-table-cell") && sheet_) column_ += repeat_of(a, "number-columns-repeated");
    skip_depth_ = depth_;
}

void TableReader::end(const XmlName &name) {
    const uint32_t depth = depth_--;
    if (skip_depth_) {
        if (skip_depth_ == depth) skip_depth_ = 0;
        return;
    }
    if (cell_depth_) {
        if (cell_depth_ == depth) return end_cell();
        annotation_.end(name);
        text_.end(name);
        return;
    }
    if (name.ns != Ns::Table) return;
    if (name.local == "table-row")
        end_row();
    else if (name.local == "table")
        end_table();
}

void TableReader::text(std::string_view chars) {
    if (!cell_depth_ || skip_depth_) return;
    annotation_.text(chars);
    text_.text(chars);
}

void TableReader::start_spreadsheet() {
    if (prepared_) return;
    prepared_ = true;
    c_.prepare();
}

void TableReader::start_table(const XmlAttributes &a) {
    sheet_.emplace(c_.writer, c_.texts, c_.formats, c_.diagnostics);
    table_name_ = a.get(Ns::Table, "name");
    sheet_->set_name(table_name_);
    sheet_->set_date1904(date1904_);
    sheet_->set_general_numbers(c_.general ? &*c_.general : nullptr);
    sheet_->set_number_texts(&c_.number_texts);
    sheet_->set_zeros_shown(c_.view_settings.zeros_shown(table_name_));
    sheet_->set_gridlines(c_.view_settings.gridlines_shown(table_name_));
    sheet_->set_frozen_rows(c_.view_settings.frozen_rows(table_name_));
    const Style table = c_.style_sheet.resolved(Family::kTable, a.get(Ns::Table, "style-name"));
    sheet_->set_hidden(table.displayed == false);
    next_column_ = row_ = 0;
    column_defaults_.clear();
}

void TableReader::end_table() {
    if (!sheet_) return;
    sheet_->finish();
    sheet_.reset();
    ++tables_;
}

void TableReader::column(const XmlAttributes &a) {
    const uint64_t first = next_column_;
    const uint32_t repeat = repeat_of(a, "number-columns-repeated");
    next_column_ += repeat;
    if (first >= kMaxColumns) return;
    const uint32_t last = last_within(first, repeat, kMaxColumns);
    const Style style = c_.style_sheet.resolved(Family::kTableColumn, a.get(Ns::Table, "style-name"));
    const bool hidden = is_hidden(a);
    if (style.column_width || hidden)
        sheet_->set_columns(static_cast<uint32_t>(first), last, style.column_width.value_or(0), hidden);
    const std::string_view cell_style = a.get(Ns::Table, "default-cell-style-name");
    if (!cell_style.empty()) column_defaults_.push_back({first, last, &c_.styles.find(cell_style)});
}

void TableReader::start_row(const XmlAttributes &a) {
    row_repeat_ = repeat_of(a, "number-rows-repeated");
    row_hidden_ = is_hidden(a);
    const std::string_view style = a.get(Ns::Table, "default-cell-style-name");
    row_style_ = style.empty() ? nullptr : &c_.styles.find(style);
    row_height_ = c_.style_sheet.resolved(Family::kTableRow, a.get(Ns::Table, "style-name")).cell.row_height.value_or(0);
    column_ = 0;
    row_cells_.clear();
    row_comments_.clear();
}

void TableReader::end_row() {
    const uint64_t first = row_;
    row_ += row_repeat_;
    if (first >= kMaxRows) {
        if (!row_cells_.empty()) warn("table '" + table_name_ + "': rows past 1048576 are left out");
        return;
    }
    const uint32_t last = last_within(first, row_repeat_, kMaxRows);
    if (row_hidden_) sheet_->hide_rows(static_cast<uint32_t>(first), last);
    sheet_->set_row_heights(static_cast<uint32_t>(first), last, row_height_);
    write_comments(static_cast<uint32_t>(first));
    if (row_cells_.empty()) return;
    uint64_t cells = 0;
    for (const RowCell &cell : row_cells_) cells += cell.repeat;
    count_cells(last - first + 1, cells);
    for (uint32_t row = static_cast<uint32_t>(first); row <= last; ++row)
        for (const RowCell &cell : row_cells_)
            for (uint32_t i = 0; i < cell.repeat; ++i) write(row, cell.column + i, cell.content);
}

void TableReader::write_comments(uint32_t row) {
    for (const RowComment &comment : row_comments_) sheet_->comment(row, comment.column, comment.author, comment.text);
}

// Repeats make few bytes stand for many cells: past the document's item
// bound (two items a cell at least) the import stops before writing them.
void TableReader::count_cells(uint64_t rows, uint64_t cells_per_row) {
    const uint64_t cells = rows * cells_per_row;
    if (cells <= cells_left_) {
        cells_left_ -= cells;
        return;
    }
    over_limit("table '" + table_name_ + "': repeated rows and cells make more than " +
               std::to_string(c_.limits.max_items / 2) + " cells (" + std::to_string(c_.limits.max_items) + " items)");
}

void TableReader::start_cell(const XmlAttributes &a) {
    cell_depth_ = depth_;
    cell_ = OpenCell{};
    cell_.repeat = repeat_of(a, "number-columns-repeated");
    cell_.style = &style_of(a.get(Ns::Table, "style-name"), column_);
    cell_.value_type = a.get(Ns::Office, "value-type");
    cell_.calc_type = a.get(Ns::LibreOfficeCalcExt, "value-type");
    static constexpr std::pair<std::string_view, std::string_view> kValueOf[] = {
        {"date", "date-value"}, {"time", "time-value"}, {"boolean", "boolean-value"}, {"string", "string-value"}};
    std::string_view value_attribute = "value";
    for (const auto &[type, attribute] : kValueOf)
        if (cell_.value_type == type) value_attribute = attribute;
    cell_.value = a.get(Ns::Office, value_attribute);
    cell_.column_span = repeat_of(a, "number-columns-spanned");
    cell_.row_span = repeat_of(a, "number-rows-spanned");
    text_.begin(cell_.style->text);
    annotation_.begin();
}

// The cell's own style, else its row's default, else its column's.
const CellStyle &TableReader::style_of(std::string_view name, uint64_t column) const {
    if (!name.empty()) return c_.styles.find(name);
    if (row_style_) return *row_style_;
    auto after = std::upper_bound(column_defaults_.begin(), column_defaults_.end(), column,
                                  [](uint64_t c, const ColumnDefault &d) { return c < d.first; });
    if (after != column_defaults_.begin() && std::prev(after)->last >= column) return *std::prev(after)->style;
    return c_.styles.plain();
}

void TableReader::end_cell() {
    cell_depth_ = 0;
    const uint64_t first = column_;
    column_ += cell_.repeat;
    if (text_.cut()) warn("table '" + table_name_ + "': a cell's text is cut at 1 MiB");
    if (annotation_.present() && first < kMaxColumns)
        row_comments_.push_back({static_cast<uint32_t>(first), annotation_.author(), annotation_.lines()});
    CellContent content = content_of_cell();
    const bool merged = content.column_span > 1 || content.row_span > 1;
    // An empty cell shows its fill and borders, unless it is repeated
    // over a stretch of the sheet (a formatted column or row).
    const bool shows = content.look.frame.visible() && uint64_t{cell_.repeat} * row_repeat_ <= kMostFramedEmpty;
    if (content.kind == Kind::kNone && !merged && !shows && content.link.empty() && content.objects.empty()) return;
    if (first >= kMaxColumns) {
        warn("table '" + table_name_ + "': columns past 16384 are left out");
        return;
    }
    const uint32_t repeat = last_within(first, cell_.repeat, kMaxColumns) - static_cast<uint32_t>(first) + 1;
    row_cells_.push_back({static_cast<uint32_t>(first), repeat, std::move(content)});
}

// An embedded object read as a chart when it is one (its picture of itself
// left), else the frame's picture, kept.
ObjectRef TableReader::object_of_frame(const CellTextReader::Frame &frame) {
    const std::string chart = pictures_ && !frame.object.empty() ? pictures_->keep_chart(frame.object) : std::string{};
    if (!chart.empty()) return {ObjectKind::Chart, {}, frame.name, chart, frame.width_pt, frame.height_pt};
    if (!frame.href.empty())
        return {ObjectKind::Picture, {}, frame.name, pictures_ ? pictures_->keep(frame.href) : std::string{},
                frame.width_pt, frame.height_pt};
    return {frame.chart ? ObjectKind::Chart : ObjectKind::Other, {}, frame.name, {}, frame.width_pt, frame.height_pt};
}

TableReader::CellContent TableReader::content_of_cell() {
    CellContent content;
    content.look = cell_.style->look;
    content.column_span = cell_.column_span;
    content.row_span = cell_.row_span;
    content.link = text_.link();
    for (const auto &frame : text_.frames()) content.objects.push_back(object_of_frame(frame));
    if (cell_.calc_type == "error")
        take_text(content, Kind::kError);
    else if (!take_value(content) && !text_.empty())
        take_text(content, Kind::kText);
    else if (content.kind == Kind::kNone && cell_.value_type == "string" && !cell_.value.empty())
        content.kind = Kind::kText, content.text = c_.texts.add(utf16_of(cell_.value));
    return content;
}

// Numbers, dates, times and truth values from their attributes; false for
// text cells and for values that cannot be read (their text is shown).
bool TableReader::take_value(CellContent &content) {
    const std::string_view type = cell_.value_type;
    if (type.empty() || type == "string") return false;
    bool taken = false;
    if (type == "float" || type == "percentage" || type == "currency") {
        const auto number = number_of(cell_.value);
        if ((taken = number.has_value())) content.kind = Kind::kNumber, content.number = *number;
    } else if (type == "date") {
        taken = take_date(content, day_number_of_iso(cell_.value, date1904_), DataStyleKind::kDate);
    } else if (type == "time") {
        taken = take_date(content, days_of_duration(cell_.value), DataStyleKind::kTime);
    } else if (type == "boolean") {
        taken = cell_.value == "true" || cell_.value == "false";
        // A truth value under a number format of its own shows as that number.
        const auto kind = cell_.style->data_kind;
        const bool own_format = kind && kind != DataStyleKind::kBoolean && content.look.format_key != 0;
        content.kind = own_format ? Kind::kNumber : Kind::kTruth;
        content.number = cell_.value == "true" ? 1 : 0;
    }
    if (!taken) {
        content.kind = Kind::kNone;
        warn("table '" + table_name_ + "': '" + cell_.value.substr(0, 40) + "' is no " + std::string(type) +
             " value; the cell's text is shown");
    }
    return taken;
}

bool TableReader::take_date(CellContent &content, std::optional<double> day, DataStyleKind kind) {
    if (!day) return false;
    content.kind = Kind::kNumber;
    content.number = *day;
    if (!cell_.style->data_kind) content.look.format_key = c_.styles.default_key(kind);
    return true;
}

void TableReader::take_text(CellContent &content, Kind kind) {
    content.kind = text_.empty() ? Kind::kNone : kind;
    if (content.kind != Kind::kNone) content.text = text_.finish(c_.texts);
}

void TableReader::write(uint32_t row, uint32_t column, const CellContent &content) {
    SheetBuilder &sheet = *sheet_;
    switch (content.kind) {
    case Kind::kNumber: sheet.number(row, column, content.number, content.look); break;
    case Kind::kText: sheet.text(row, column, content.text, content.look); break;
    case Kind::kTruth: sheet.truth(row, column, content.number != 0, content.look); break;
    case Kind::kError: sheet.error(row, column, content.text, content.look); break;
    case Kind::kNone: sheet.empty(row, column, content.look); break;
    }
    if (content.column_span > 1 || content.row_span > 1)
        sheet.merge(row, column, last_within(row, content.row_span, kMaxRows),
                    last_within(column, content.column_span, kMaxColumns));
    if (!content.link.empty()) sheet.link(row, column, content.link);
    for (const ObjectRef &object : content.objects) sheet.object(row, column, object);
}

}  // namespace qrv::import::odf
