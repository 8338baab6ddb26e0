#include "sheet_builder.hpp"

#include <qrvex/items.h>

#include <algorithm>
#include <new>
#include <iterator>
#include <numeric>
#include <span>
#include <tuple>

#include "axis.hpp"
#include <qrvmodel/conventions.hpp>

namespace qrv::import {

namespace conv = qrv::model;

namespace {

constexpr uint32_t kMaxEmptyRun = 0xffff;  // cells one item 87 can hold

// The entries of a list sorted by place (links, anchored objects) that
// stand at a cell's place; next moves past them, and past those of places
// left out before it (rows beyond the sheet's bound).
template <typename Entry>
std::span<const Entry> at_place(const std::vector<Entry> &list, size_t &next, uint32_t row, uint32_t column) {
    const auto before = [&](const Entry &e) { return e.row < row || (e.row == row && e.column < column); };
    while (next < list.size() && before(list[next])) ++next;
    const size_t first = next;
    while (next < list.size() && list[next].row == row && list[next].column == column) ++next;
    return {list.data() + first, next - first};
}
constexpr uint32_t kGapWidthTwips = 240;

uint32_t align_code(CellAlign align) {
    switch (align) {
    case CellAlign::Left: return conv::kAlignLeft;
    case CellAlign::Centre: return conv::kAlignCentre;
    case CellAlign::Right: return conv::kAlignRight;
    default: return conv::kAlignJustify;
    }
}

template <typename T>
void sort_unique(std::vector<T> &v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// Sorts row ranges and joins those that overlap or touch.
template <typename Range>
void join_ranges(std::vector<Range> &ranges) {
    std::sort(ranges.begin(), ranges.end());
    size_t kept = 0;
    for (const Range &range : ranges) {
        if (kept > 0 && uint64_t{ranges[kept - 1].last} + 1 >= range.first) {
            ranges[kept - 1].last = std::max(ranges[kept - 1].last, range.last);
        } else {
            ranges[kept++] = range;
        }
    }
    ranges.resize(kept);
}

}  // namespace

// Where every source row and column goes: the rows and columns in use
// (cells and merged ranges), collapsed, and cut so that cell numbers fit.
class SheetBuilder::Layout {
public:
    Layout(const std::vector<uint32_t> &rows, const std::vector<uint32_t> &columns) : rows(rows), columns(columns) {
        row_count = this->rows.size();
        if (this->columns.size() > 0 && uint64_t{row_count} * this->columns.size() > UINT32_MAX)
            row_count = static_cast<uint32_t>(UINT32_MAX / this->columns.size());
    }
    Axis rows, columns;
    uint32_t row_count;  // rows laid out (fewer than rows.size() when cut)
};

SheetBuilder::SheetBuilder(DocumentWriter &writer, const TextStore &texts, const CharFormatTable &formats,
                           Diagnostics &diagnostics)
    : writer_(writer), texts_(texts), formats_(formats), diagnostics_(diagnostics) {}

void SheetBuilder::set_columns(uint32_t first, uint32_t last, uint32_t width_twips, bool hidden) {
    if (first <= last) columns_.push_back({first, last, width_twips, hidden});
}

// Sizes a sheet gives where it names none: 8.43 characters, 15 points.
constexpr uint32_t kFallbackWidthTwips = 960, kFallbackHeightTwips = 300;

namespace {

// Sets the sizes of the places first..last that fall in the span starting at
// origin; one pass over a sheet's ranges, whatever their number.
void set_clipped(std::vector<uint32_t> &sizes, uint32_t origin, uint32_t first, uint32_t last, uint32_t twips) {
    const uint64_t begin = std::max<uint64_t>(first, origin),
                   end = std::min<uint64_t>(uint64_t{last} + 1, uint64_t{origin} + sizes.size());
    for (uint64_t place = begin; place < end; ++place) sizes[place - origin] = twips;
}

uint64_t sum_of(const std::vector<uint32_t> &sizes) { return std::accumulate(sizes.begin(), sizes.end(), uint64_t{0}); }

size_t span_length(uint32_t first, uint32_t end, uint32_t most) {
    return end > first ? std::min(end - first, most) : 0;
}

}  // namespace

uint64_t SheetBuilder::columns_span(uint32_t first, uint32_t end) const {
    const uint32_t fallback = default_width_ ? default_width_ : kFallbackWidthTwips;
    std::vector<uint32_t> widths(span_length(first, end, kMaxSpanned), fallback);
    for (const ColumnRange &r : columns_)
        set_clipped(widths, first, r.first, r.last, r.hidden ? 0 : r.width ? r.width : fallback);
    return sum_of(widths);
}

uint64_t SheetBuilder::rows_span(uint32_t first, uint32_t end) const {
    const uint32_t fallback = default_height_ ? default_height_ : kFallbackHeightTwips;
    std::vector<uint32_t> heights(span_length(first, end, kMaxSpanned), fallback);
    for (const RowHeight &h : heights_) set_clipped(heights, first, h.first, h.last, h.twips);
    for (const RowRange &r : hidden_rows_) set_clipped(heights, first, r.first, r.last, 0);
    return sum_of(heights);
}

void SheetBuilder::add(Cell cell) {
    if (!cells_.empty()) {
        const Cell &last = cells_.back();
        if (cell.row < last.row || (cell.row == last.row && cell.column <= last.column)) sorted_ = false;
    }
    cells_.push_back(cell);
}

SheetBuilder::Cell SheetBuilder::cell_of(uint32_t row, uint32_t column, Kind kind, const CellLook &look) {
    Cell c{row, column, look.format_key, looks_.number_of(look.char_format, look.frame), kind, look.align, {}};
    c.number = 0;
    return c;
}

void SheetBuilder::number(uint32_t row, uint32_t column, double value, const CellLook &look) {
    Cell c = cell_of(row, column, Kind::Number, look);
    if (look.format_key == 0 && general_) c.format_key = general_->key_for(value);
    c.number = value;
    add(c);
}

void SheetBuilder::text(uint32_t row, uint32_t column, uint32_t text, const CellLook &look) {
    if (texts_.empty(text)) return empty(row, column, look);
    Cell c = cell_of(row, column, Kind::Text, look);
    c.text = text;
    add(c);
}

void SheetBuilder::truth(uint32_t row, uint32_t column, bool value, const CellLook &look) {
    Cell c = cell_of(row, column, Kind::Truth, look);
    c.number = value ? 1 : 0;
    add(c);
}

void SheetBuilder::error(uint32_t row, uint32_t column, uint32_t text, const CellLook &look) {
    Cell c = cell_of(row, column, Kind::Error, look);
    c.text = text;
    add(c);
}

void SheetBuilder::empty(uint32_t row, uint32_t column, const CellLook &look) {
    if (!look.frame.visible()) return;
    Cell c = cell_of(row, column, Kind::Empty, look);
    c.text = 0;
    add(c);
}

void SheetBuilder::set_row_heights(uint32_t first, uint32_t last, uint32_t twips) {
    if (twips > 0 && first <= last) heights_.push_back({first, last, std::min(twips, conv::kMaxRowHeightTwips)});
}

void SheetBuilder::merge(uint32_t top, uint32_t left, uint32_t bottom, uint32_t right) {
    if (top > bottom) std::swap(top, bottom);
    if (left > right) std::swap(left, right);
    if (top != bottom || left != right) merges_.push_back({top, left, bottom, right});
}

void SheetBuilder::link(uint32_t row, uint32_t column, std::string_view url) {
    if (!url.empty()) links_.push_back({row, column, std::string(url)});
}

void SheetBuilder::object(uint32_t row, uint32_t column, ObjectRef object) {
    objects_.push_back({row, column, std::move(object)});
}

// Excel starts a comment's text with its author's name and a colon, in
// bold: the name is given once, as the author.
void SheetBuilder::comment(uint32_t row, uint32_t column, std::string_view author, std::string_view text) {
    if (!author.empty() && text.starts_with(author) && text.substr(author.size()).starts_with(':')) {
        text.remove_prefix(author.size() + 1);
        text.remove_prefix(std::min(text.find_first_not_of(" \t\n"), text.size()));
    }
    if (!author.empty() || !text.empty()) comments_.push_back({row, column, std::string(author), std::string(text)});
}

// A cell for each object anchored where the sheet has none: empty cells
// go first, so that a cell the sheet has at that place wins.
// A drawn chart (one with its values kept) stands after its sheet's table
// in every output: where no cell with content stands at its anchor it goes
// with the last such cell before it (in reading order), so that it adds no
// empty rows or columns to the table.  A chart with no cell before it, or
// one shown only by its name, keeps a cell of its own.
void SheetBuilder::attach_charts_to_cells() {
    std::vector<std::pair<uint32_t, uint32_t>> places;
    places.reserve(cells_.size());
    for (const Cell &c : cells_)
        if (c.kind != Kind::Empty) places.emplace_back(c.row, c.column);
    std::sort(places.begin(), places.end());
    for (Anchored &a : objects_) {
        if (a.object.kind != ObjectKind::Chart || a.object.resource.empty()) continue;
        const auto after = std::upper_bound(places.begin(), places.end(), std::pair{a.row, a.column});
        if (after == places.begin()) continue;
        std::tie(a.row, a.column) = *std::prev(after);
    }
}

void SheetBuilder::add_anchor_cells() {
    qrv::GrowingArray<Cell> all;
    all.reserve(objects_.size() + comments_.size() + cells_.size());
    const auto add = [&](uint32_t row, uint32_t column) {
        Cell c{row, column, 0, 0, Kind::Empty, CellAlign::General, {}};
        c.text = 0;
        all.push_back(c);
    };
    for (const Anchored &a : objects_) add(a.row, a.column);
    for (const Comment &c : comments_) add(c.row, c.column);
    for (const Cell &c : cells_) all.push_back(c);
    cells_.swap(all);
    sorted_ = false;
}

void SheetBuilder::finish() {
    const auto by_place = [](const auto &a, const auto &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!objects_.empty()) attach_charts_to_cells();
    if (!objects_.empty() || !comments_.empty()) add_anchor_cells();
    std::sort(links_.begin(), links_.end(), by_place);
    std::stable_sort(objects_.begin(), objects_.end(), by_place);
    std::stable_sort(comments_.begin(), comments_.end(), by_place);
    if (!sorted_) {
        std::stable_sort(cells_.begin(), cells_.end(), by_place);
        drop_repeated_places();
    }
    if (!zeros_shown_) hide_zeros();
    if (looks_.overflowed())
        diagnostics_.warn("sheet '" + name_ + "': more distinct cell looks than a sheet keeps; later ones shown plain");
    std::vector<uint32_t> rows, columns;
    const size_t framed = gather_places(rows, columns);
    const Layout layout(rows, columns);
    if (layout.row_count < layout.rows.size())
        diagnostics_.warn("sheet '" + name_ + "': too many rows and columns in use; rows from " +
                          std::to_string(layout.rows.entries()[layout.row_count].source + 1) + " left out");
    // Framed empty cells show where the sheet's values are laid out, but
    // do not widen it: its texts stay as they are in every output.
    if (framed) {
        keep_cells([&](size_t i) {
            const Cell &c = cells_[i];
            return !framed_only(c) || (layout.rows.lays_out(c.row) && layout.columns.lays_out(c.column));
        });
    }
    write_header(layout);
    write_rows(layout);
    cells_.clear();
}

// Later cells at the same place win.
void SheetBuilder::drop_repeated_places() {
    keep_cells([&](size_t i) {
        return i + 1 == cells_.size() || cells_[i].row != cells_[i + 1].row ||
               cells_[i].column != cells_[i + 1].column;
    });
}

// Keeps the cells keep(index) says, in their order, in one pass.  A cell
// that stays where it is is not written again (a page of cells read back
// from a scratch file is not made dirty for nothing).
template <typename Keep>
void SheetBuilder::keep_cells(Keep keep) {
    size_t kept = 0;
    for (size_t i = 0; i < cells_.size(); ++i) {
        cells_.used(i);
        if (!keep(i)) continue;
        if (kept != i) cells_[kept] = cells_[i];
        ++kept;
    }
    cells_.resize(kept);
}

// The rows and columns in use, sorted, once each: those of the cells that
// show more than a frame and the corners of the merges.  The columns are
// made unique as they pile up, so a long sheet needs no list of a column
// for every cell.  Gives the number of cells that show only a frame.
size_t SheetBuilder::gather_places(std::vector<uint32_t> &rows, std::vector<uint32_t> &columns) {
    size_t unique_columns = 0, framed = 0;
    for (size_t i = 0; i < cells_.size(); ++i) {
        cells_.used(i);
        const Cell &c = cells_[i];
        if (framed_only(c)) {
            ++framed;
            continue;
        }
        if (rows.empty() || rows.back() != c.row) rows.push_back(c.row);
        columns.push_back(c.column);
        if (columns.size() >= 2 * unique_columns + 4096) {
            sort_unique(columns);
            unique_columns = columns.size();
        }
    }
    for (const Merge &m : merges_) {
        rows.insert(rows.end(), {m.top, m.bottom});
        columns.insert(columns.end(), {m.left, m.right});
    }
    sort_unique(rows);
    sort_unique(columns);
    return framed;
}

// A cell that shows only a fill or borders: no value, object or comment.
bool SheetBuilder::framed_only(const Cell &cell) const {
    return cell.kind == Kind::Empty && cell.look != 0 && !carries_something(cell);
}

bool SheetBuilder::carries_something(const Cell &cell) const {
    const auto at = [&](const auto &list) {
        const auto before = [](const auto &entry, const Cell &c) {
            return entry.row != c.row ? entry.row < c.row : entry.column < c.column;
        };
        const auto found = std::lower_bound(list.begin(), list.end(), cell, before);
        return found != list.end() && found->row == cell.row && found->column == cell.column;
    };
    return at(objects_) || at(comments_);
}

// Zero cells show empty; those with a fill, borders, an object or a comment
// keep them.
void SheetBuilder::hide_zeros() {
    const auto zero = [](const Cell &c) { return c.kind == Kind::Number && c.number == 0; };
    const auto framed = [this](const Cell &c) { return looks_.frames()[looks_[c.look].frame].visible(); };
    keep_cells([&](size_t i) {
        Cell &c = cells_[i];
        if (!zero(c)) return true;
        if (!framed(c) && !carries_something(c)) return false;
        c.kind = Kind::Empty;
        return true;
    });
}

void SheetBuilder::write_header(const Layout &layout) {
    writer_.section(conv::kSpreadsheetSection);
    writer_.string(name_, conv::kSheetNameAttribute);
    writer_.item(CH_ITEM_SECTION_LAYOUT,
                 (date1904_ ? conv::kLayoutDate1904 : 0) | (hidden_ ? conv::kLayoutHidden : 0) |
                     (gridlines_ ? 0 : conv::kLayoutNoGridlines),
                 frozen_rows_);
    write_columns(layout);
    write_merges(layout);
    // The sheet's frames; a cell names its frame by number (0: plain).
    for (size_t frame = 1; frame < looks_.frames().size(); ++frame) write_frame(writer_, looks_.frames()[frame]);
    writer_.break_item(CH_BREAK_PARAGRAPH);
    writer_.cell_run();
}

void SheetBuilder::write_columns(const Layout &layout) {
    writer_.item(CH_ITEM_COLUMN_LIST_BEGIN);
    for (const Axis::Entry &e : layout.columns.entries()) {
        uint32_t width = default_width_, flags = 0;
        bool hidden = false;
        for (const ColumnRange &r : columns_) {
            if (e.source < r.first || e.source > r.last) continue;
            width = r.width;
            hidden = r.hidden;
        }
        if (e.gap) {
            width = kGapWidthTwips;
            flags |= conv::kColumnGap;
        } else if (hidden) {
            flags |= conv::kColumnHidden;
        }
        if (width) flags |= conv::kColumnWidthTwips;
        writer_.item(CH_ITEM_COLUMN_ENTRY, width, 0, flags | (e.source << conv::kColumnSourceShift));
    }
    writer_.item(CH_ITEM_COLUMN_LIST_END);
}

// The list is written even when empty: a reader looking for it then stops
// here rather than at the end of the section.
void SheetBuilder::write_merges(const Layout &layout) {
    writer_.item(CH_ITEM_MERGE_LIST_BEGIN);
    for (const Merge &m : merges_) {
        const uint32_t top = layout.rows.place_of(m.top), bottom = layout.rows.place_of(m.bottom);
        if (bottom >= layout.row_count) continue;
        writer_.item(CH_ITEM_MERGE_POINT, top, layout.columns.place_of(m.left));
        writer_.item(CH_ITEM_MERGE_POINT, bottom, layout.columns.place_of(m.right));
    }
    writer_.item(CH_ITEM_MERGE_LIST_END);
}

void SheetBuilder::write_empty(uint64_t count) {
    while (count > 0) {
        const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(count, kMaxEmptyRun));
        writer_.item(CH_ITEM_EMPTY_CELLS, n << 16);
        count -= n;
    }
}

bool SheetBuilder::row_hidden(uint32_t row) const {
    auto after = std::upper_bound(hidden_rows_.begin(), hidden_rows_.end(), RowRange{row, row});
    return after != hidden_rows_.begin() && std::prev(after)->last >= row;
}

// The height of a row, moving next past the heights of rows before it
// (rows are asked in order; of heights given to a row, the later wins).
uint32_t SheetBuilder::height_of(uint32_t row, size_t &next) const {
    while (next < heights_.size() && heights_[next].last < row) ++next;
    uint32_t twips = 0;
    for (size_t i = next; i < heights_.size() && heights_[i].first <= row; ++i)
        if (heights_[i].last >= row) twips = heights_[i].twips;
    return twips;
}

void SheetBuilder::write_rows(const Layout &layout) {
    join_ranges(hidden_rows_);
    std::stable_sort(heights_.begin(), heights_.end());
    size_t next_height = 0;
    const uint32_t width = layout.columns.size();
    if (width == 0) return;
    const auto &rows = layout.rows.entries();
    size_t next_cell = 0;
    Cursors next;
    for (uint32_t r = 0; r < layout.row_count; ++r) {
        const Axis::Entry &row = rows[r];
        const bool hidden = !row.gap && row_hidden(row.source);
        const bool follows = r == 0 ? row.source == 0 : !rows[r - 1].gap && rows[r - 1].source + 1 == row.source;
        const uint32_t height = row.gap ? 0 : height_of(row.source, next_height);
        if (!follows || row.gap || hidden || height) {
            writer_.tag_begin(conv::kSheetRowTag, row.source,
                              (hidden ? conv::kRowHidden : 0) | (row.gap ? conv::kRowGap : 0) |
                                  height << conv::kRowHeightShift);
            writer_.tag_end(conv::kSheetRowTag);
        }
        uint32_t place = 0;  // the next column of the row to write
        for (; !row.gap && next_cell < cells_.size() && cells_[next_cell].row == row.source; ++next_cell) {
            cells_.used(next_cell);
            const Cell &cell = cells_[next_cell];
            const uint32_t column = layout.columns.place_of(cell.column);
            write_empty(column - place);
            write_cell(cell, next);
            place = column + 1;
        }
        write_empty(width - place);
    }
}

void SheetBuilder::write_cell(const Cell &cell, Cursors &next) {
    const uint32_t kind = cell.kind == Kind::Truth   ? conv::kCellTruth
                          : cell.kind == Kind::Error ? conv::kCellError
                                                     : conv::kCellPlain;
    const SheetLooks::Look &look = looks_[cell.look];
    writer_.item(CH_ITEM_SS_CELL_70, 0, cell.format_key, kind << 16 | look.frame);
    if (const auto links = at_place(links_, next.link, cell.row, cell.column); !links.empty())
        write_link(links.front());  // a cell shows one link
    for (const Anchored &a : at_place(objects_, next.object, cell.row, cell.column)) write_object(writer_, a.object);
    for (const Comment &c : at_place(comments_, next.comment, cell.row, cell.column)) write_comment(c);
    if (cell.kind == Kind::Empty) return;
    const std::optional<std::string> shown = number_text(cell);
    const CellAlign align = shown && cell.align == CellAlign::General ? CellAlign::Right : cell.align;
    if (align != CellAlign::General) writer_.item(CH_ITEM_ATTR_12, align_code(align));
    if (cell.kind == Kind::Text || cell.kind == Kind::Error) {
        texts_.write(cell.text, look.char_format, formats_);
        return;
    }
    write_format_change(writer_, CharFormat{}, formats_[look.char_format]);
    if (shown) {
        writer_.text(*shown);
    } else {
        writer_.number(cell.number);
    }
}

std::optional<std::string> SheetBuilder::number_text(const Cell &cell) const {
    if (cell.kind != Kind::Number || !number_texts_ || cell.format_key == 0) return std::nullopt;
    return number_texts_->text_of(cell.format_key, cell.number);
}

// The author, then the text with a paragraph break for each line break.
void SheetBuilder::write_comment(const Comment &comment) {
    writer_.tag_begin(conv::kCommentTag);
    writer_.string(comment.author);
    std::string_view rest = comment.text;
    for (bool first = true; !rest.empty(); first = false) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        if (!first) writer_.break_item(CH_BREAK_PARAGRAPH);
        if (end > 0) writer_.text(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    writer_.tag_end(conv::kCommentTag);
}

void SheetBuilder::write_link(const Link &link) {
    writer_.tag_begin(conv::kHyperlinkTag);
    const uint32_t target = writer_.string(link.url, conv::kLinkStringAttribute);
    writer_.item(CH_ITEM_OBJECT_LOCATOR_PART, conv::kLocatorLinkPart, target);
    writer_.item(CH_ITEM_OBJECT_LOCATOR_END);
    writer_.tag_end(conv::kHyperlinkTag);
}

}  // namespace qrv::import
