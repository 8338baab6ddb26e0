#include "sheet_walk.hpp"

#include <qrvch.h>
#include <qrvex/cells.h>
#include <qrvex/datavalue.h>
#include <qrvex/navigate.h>
#include <qrvex/lists.h>
#include <qrvex/properties.h>

#include <algorithm>
#include <map>
#include <vector>

#include "cell_address.hpp"
#include "chars.hpp"
#include "item_reader.hpp"
#include "model.hpp"
#include "outline.hpp"
#include "safe_links.hpp"
#include "sheet.hpp"

namespace qrv::filters {
namespace {

// Columns a section may lay out; wider sections are cut.
constexpr uint32_t kMaxColumns = 1u << 16;
constexpr size_t kMaxLinkBytes = 4096;

// A merged range, top left to bottom right, in rows and columns.
struct Merge {
    uint32_t top, left, bottom, right;
};

// Where the section's merge list begins, looked for a batch of items at a
// time (it may come after all the cells); CH_NO_ITEM when no list comes
// before limit.
uint32_t merge_list_begin(ItemReader &items, uint32_t id, uint32_t limit) {
    CHItem item{};
    while (id < limit) {
        uint32_t next = CH_NO_ITEM;
        if (items.get(id, item, next) != 0) break;
        if (item.type == CH_ITEM_MERGE_LIST_BEGIN) return id;
        if (next <= id) break;
        id = next;
    }
    return CH_NO_ITEM;
}

std::vector<Merge> read_merges(CHHandle h, ItemReader &items, const CHSectionInfo &info) {
    std::vector<Merge> merges;
    const uint32_t limit = info.LastItemId == CH_NO_ITEM ? CH_NO_ITEM : info.LastItemId + 1;
    const uint32_t begin = merge_list_begin(items, info.FirstItemId, limit);
    if (begin == CH_NO_ITEM) return merges;
    LUList *list = LUCreateList(16, 4, 4);
    if (!list) return merges;
    if (CUGetSSCellMergeInfo(begin, limit, list, h) == 0) {
        const auto *words = static_cast<const uint32_t *>(list->Items);
        for (uint32_t i = 0; i < list->ItemCount; ++i, words += 4) {
            // Each range holds its second end point first.
            merges.push_back({std::min(words[0], words[2]), std::min(words[1], words[3]), std::max(words[0], words[2]),
                              std::max(words[1], words[3])});
        }
    }
    LUFreeList(&list);
    std::sort(merges.begin(), merges.end(), [](const Merge &a, const Merge &b) { return a.top < b.top; });
    return merges;
}

bool is_cell_item(uint32_t type) { return type >= CH_ITEM_SS_CELL_70 && type <= CH_ITEM_SS_CELL_74; }

bool ends_cell(uint32_t type) {
    return type == CH_ITEM_BREAK || type == CH_ITEM_CELL_END_45 || type == CH_ITEM_CELL_END_110 ||
           type == CH_ITEM_EMPTY_CELLS || is_cell_item(type);
}

unsigned width_of_entry(const CHItem &entry) {
    if (entry.data2 & kColumnHidden) return 0;
    if (entry.data2 & 0x1) return entry.value * 120;
    return entry.data2 & kColumnWidthTwips ? entry.value : 0;
}

// The sheet's name (a string item ahead of the column list) and columns.
SheetInfo read_sheet_info(CHHandle h, uint32_t section, const CHSectionInfo &info, const CUSSSectionParams &params,
                          uint32_t columns) {
    SheetInfo sheet;
    sheet.section = section;
    CHItem item{};
    uint32_t id = info.FirstItemId;
    for (unsigned guard = 0; id != CH_NO_ITEM && id <= info.LastItemId && guard < 64; ++guard) {
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0 || item.type == CH_ITEM_BREAK) break;
        if (item.type == CH_ITEM_STRING && item.data1 == kSheetNameAttribute) {
            CUPropertyString name{};
            const uint16_t length = CUGetPropertyString(id, &name, h);
            sheet.name = utf8_of(name.Chars, length);
            break;
        }
        if (next <= id) break;
        id = next;
    }
    id = params.ListItemId;
    while (sheet.columns.size() < columns && id != CH_NO_ITEM) {
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &next) != 0 || item.type == CH_ITEM_COLUMN_LIST_END) break;
        if (item.type == CH_ITEM_COLUMN_ENTRY) {
            SheetColumn c;
            c.width_twips = width_of_entry(item);
            c.hidden = item.data2 & kColumnHidden;
            c.gap = item.data2 & kColumnGap;
            c.first = c.last = item.data2 >> kColumnSourceShift;
            if (!sheet.columns.empty() && sheet.columns.back().gap && c.first > sheet.columns.back().first)
                sheet.columns.back().last = c.first - 1;
            sheet.columns.push_back(c);
        }
        if (next <= id) break;
        id = next;
    }
    sheet.columns.resize(columns);
    return sheet;
}

// An entry of the section's table of frames: a look tag starts the next
// frame, border colour tags after it colour its borders.
void read_frame(const CHItem &tag, std::vector<SheetFrame> &frames) {
    if (tag.value == kCellBorderColourTag) {
        if (frames.size() < 2) return;
        for (uint32_t side = 0; side < kSideCount; ++side)
            if (tag.data2 >> side & 1) frames.back().line_colours[side] = tag.data1 & kRgbMask;
        return;
    }
    SheetFrame &frame = frames.emplace_back();
    frame.fill = tag.data1 == kNoFill ? kNoColour : tag.data1 & kRgbMask;
    frame.vertical = look_vertical(tag.data2);
    frame.wraps = tag.data2 & kLookWraps;
    for (uint32_t side = 0; side < kSideCount; ++side) frame.lines[side] = look_border(tag.data2, side);
}

bool is_frame_tag(const CHItem &item) {
    return item.type == CH_ITEM_TAG_BEGIN && (item.value == kCellLookTag || item.value == kCellBorderColourTag);
}

Align cell_align_of(uint32_t code) {
    switch (code & 0xffff) {
    case kAlignCentre: return Align::Centre;
    case kAlignRight: return Align::Right;
    case kAlignJustify: return Align::Justify;
    default: return Align::Left;
    }
}

// Walks a spreadsheet section's items once, in order, and hands the writer
// each row with a cell (or a span of empty cells) for every column.
class SheetWalk {
public:
    SheetWalk(WalkContext &ctx, const CHSectionInfo &info, const SheetInfo &sheet, std::vector<Merge> merges,
              uint32_t columns)
        : ctx_(ctx), info_(info), sheet_(sheet), merges_(std::move(merges)), columns_(columns) {}

    void walk();

private:
    void on_item(uint32_t id, const CHItem &item);
    void start_cell(const CHItem &item);
    void finish_cell();
    void skip_cells(uint64_t count);
    void move_to(uint64_t row);
    void open_row(uint64_t row);
    uint32_t gap_end(uint32_t id, uint32_t first) const;
    void close_row();
    void write_empty(uint32_t first, uint32_t last);
    const Merge *merge_at(uint32_t column, bool &covered) const;
    void content(uint32_t id, const CHItem &item);
    void add_text(std::string_view utf8, uint32_t colour);
    void read_link(uint32_t id);
    void read_object(uint32_t id, const CHItem &item);
    void read_comment(uint32_t id);
    std::string place_of_cell() const;
    std::string font_name(uint32_t font_id);

    WalkContext &ctx_;
    const CHSectionInfo &info_;
    const SheetInfo &sheet_;
    std::vector<Merge> merges_;
    std::vector<const Merge *> active_;  // merges over the current row
    size_t next_merge_ = 0;
    const uint32_t columns_;

    uint64_t cell_number_ = 0;  // of the next cell item
    bool row_open_ = false;
    uint64_t row_ = 0;      // the open row
    uint32_t written_ = 0;  // columns of the open row written
    SheetRow last_row_{};
    bool have_row_ = false;
    bool tagged_ = false;  // a row tag waits for the next row
    SheetRow tag_{};

    bool in_cell_ = false;
    uint32_t skip_end_ = CH_NO_ITEM;  // the end of the object or comment tag whose content is passed over
    uint32_t cell_column_ = 0;
    uint32_t format_key_ = kGeneralFormatKey;
    SheetCell cell_;
    TextFormat format_;
    uint32_t colour_ = kNoColour;
    std::u16string chars_;
    std::map<uint32_t, std::string> fonts_;
    std::vector<SheetFrame> frames_{SheetFrame{}};  // the section's frames; 0 is plain
};

// Items are read a chunk at a time: ids within a chunk are consecutive, and
// the first id of the next chunk is asked of the chunker.
void SheetWalk::walk() {
    uint32_t chunk_size = 0, total = 0;
    if (CHGetChunkSize(ctx_.chunker, &chunk_size) != 0 || chunk_size == 0 ||
        CHGetItemCount(ctx_.chunker, CH_STORE_ITEMS, &total) != 0)
        return;
    std::vector<CHItem> items(std::min<uint32_t>(chunk_size, kItemBatch));
    uint32_t id = info_.FirstItemId;
    while (id != CH_NO_ITEM && id <= info_.LastItemId && !ctx_.progress.stopped()) {
        const uint64_t index = uint64_t{id >> 16} * chunk_size + (id & 0xffff);
        if (index >= total || (id & 0xffff) >= chunk_size) break;
        uint64_t count = std::min<uint64_t>({chunk_size - (id & 0xffff), total - index, items.size()});
        if (info_.LastItemId != CH_NO_ITEM && (info_.LastItemId >> 16) == (id >> 16))
            count = std::min<uint64_t>(count, (info_.LastItemId & 0xffff) - (id & 0xffff) + 1);
        if (CHGetItems(ctx_.chunker, CH_STORE_ITEMS, id, static_cast<uint32_t>(count), items.data()) != 0) break;
        for (uint32_t i = 0; i < count; ++i) on_item(id + i, items[i]);
        const uint32_t last = id + static_cast<uint32_t>(count) - 1;
        uint32_t next = CH_NO_ITEM;
        if (CHNextItemId(ctx_.chunker, CH_STORE_ITEMS, last, &next) != 0 || next <= last) break;
        id = next;
    }
    finish_cell();
    if (row_open_) close_row();
}

void SheetWalk::on_item(uint32_t id, const CHItem &item) {
    if (skip_end_ != CH_NO_ITEM) {  // an object's description or a comment is not the cell's text
        if (id >= skip_end_) skip_end_ = CH_NO_ITEM;
        return;
    }
    if (ends_cell(item.type)) {
        finish_cell();
        if (is_cell_item(item.type))
            start_cell(item);
        else if (item.type == CH_ITEM_EMPTY_CELLS)
            skip_cells(item.value >> 16);
        return;
    }
    if (item.type == CH_ITEM_TAG_BEGIN && item.value == kSheetRowTag && cell_number_ % columns_ == 0) {
        finish_cell();
        tagged_ = true;
        tag_.first = tag_.last = item.data1;
        tag_.hidden = item.data2 & kRowHidden;
        tag_.gap = item.data2 & kRowGap;
        tag_.height_twips = item.data2 >> kRowHeightShift;
        if (tag_.gap) tag_.last = gap_end(id, tag_.first);
        return;
    }
    if (in_cell_) return content(id, item);
    if (cell_number_ == 0 && is_frame_tag(item)) read_frame(item, frames_);
}

void SheetWalk::move_to(uint64_t row) {
    if (row_open_ && row_ == row) return;
    uint64_t next = have_row_ ? row_ + 1 : 0;
    if (row_open_) close_row();
    for (; next < row; ++next) {
        open_row(next);
        close_row();
    }
    open_row(row);
}

void SheetWalk::open_row(uint64_t row) {
    SheetRow r;
    if (tagged_ && cell_number_ / columns_ == row) {
        r = tag_;
        tagged_ = false;
    } else {
        r.first = r.last = have_row_ ? last_row_.last + 1 : static_cast<uint32_t>(row);
    }
    row_ = row;
    row_open_ = true;
    written_ = 0;
    last_row_ = r;
    have_row_ = true;
    while (next_merge_ < merges_.size() && merges_[next_merge_].top <= row) active_.push_back(&merges_[next_merge_++]);
    std::erase_if(active_, [row](const Merge *m) { return m->bottom < row; });
    ctx_.writer.sheet_row_begin(r);
}

// The last source row of a gap whose tag is at id: the row before the one
// the next row tag names, a few items on.
uint32_t SheetWalk::gap_end(uint32_t id, uint32_t first) const {
    CHItem item{};
    for (unsigned step = 0; step < 16 && id != CH_NO_ITEM && id <= info_.LastItemId; ++step) {
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(ctx_.chunker, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        if (step > 0 && item.type == CH_ITEM_TAG_BEGIN && item.value == kSheetRowTag)
            return item.data1 > first ? item.data1 - 1 : first;
        if (is_cell_item(item.type) || next <= id) break;
        id = next;
    }
    return first;
}

void SheetWalk::close_row() {
    if (written_ < columns_) write_empty(written_, columns_ - 1);
    ctx_.writer.sheet_row_end();
    row_open_ = false;
}

const Merge *SheetWalk::merge_at(uint32_t column, bool &covered) const {
    covered = false;
    for (const Merge *m : active_) {
        if (column < m->left || column > m->right) continue;
        if (row_ == m->top && column == m->left) return m;
        covered = true;
    }
    return nullptr;
}

// Empty cells of the open row, first to last: covered cells are left out,
// a merged range's empty top left cell keeps its spans, and the others go
// as one cell spanning them.
void SheetWalk::write_empty(uint32_t first, uint32_t last) {
    SheetCell empty;
    uint32_t run = 0;
    auto flush = [&] {
        if (run == 0) return;
        empty.column_span = run;
        ctx_.writer.sheet_cell(empty);
        run = 0;
    };
    for (uint32_t column = first; column <= last; ++column) {
        bool covered = false;
        const Merge *merge = active_.empty() ? nullptr : merge_at(column, covered);
        if (!covered && !merge) {
            ++run;
            continue;
        }
        flush();
        if (merge) {
            SheetCell anchor;
            anchor.column_span = merge->right - merge->left + 1;
            anchor.row_span = merge->bottom - merge->top + 1;
            ctx_.writer.sheet_cell(anchor);
        }
    }
    flush();
    written_ = last + 1;
}

void SheetWalk::skip_cells(uint64_t count) {
    while (count > 0) {
        const uint64_t row = cell_number_ / columns_;
        const uint32_t column = static_cast<uint32_t>(cell_number_ % columns_);
        const uint64_t here = std::min<uint64_t>(count, columns_ - column);
        move_to(row);
        if (column > written_) write_empty(written_, column - 1);
        write_empty(column, static_cast<uint32_t>(column + here - 1));
        cell_number_ += here;
        count -= here;
    }
}

void SheetWalk::start_cell(const CHItem &item) {
    if (!ctx_.progress.tick()) return;
    const uint64_t row = cell_number_ / columns_;
    cell_column_ = static_cast<uint32_t>(cell_number_ % columns_);
    move_to(row);
    ++cell_number_;
    if (cell_column_ > written_) write_empty(written_, cell_column_ - 1);
    in_cell_ = true;
    cell_.clear();
    cell_.kind = static_cast<CellKind>(item.data2 >> 16);
    const uint32_t frame = item.data2 & kCellFrameMask;
    if (frame != 0 && frame < frames_.size()) cell_.frame = &frames_[frame];
    const bool formatted = item.type == CH_ITEM_SS_CELL_70 || item.type == CH_ITEM_SS_CELL_71;
    format_key_ = formatted ? item.data1 : kGeneralFormatKey;
    format_ = TextFormat{};
    colour_ = kNoColour;
}

void SheetWalk::finish_cell() {
    if (!in_cell_) return;
    in_cell_ = false;
    bool covered = false;
    const Merge *merge = active_.empty() ? nullptr : merge_at(cell_column_, covered);
    written_ = cell_column_ + 1;
    if (covered) return;
    if (merge) {
        cell_.column_span = merge->right - merge->left + 1;
        cell_.row_span = merge->bottom - merge->top + 1;
    }
    ctx_.writer.sheet_cell(cell_);
}

void SheetWalk::add_text(std::string_view utf8, uint32_t colour) {
    const size_t begin = cell_.text.size();
    static const TextFormat kPlain{};
    cell_.text += utf8;
    if (colour == kNoColour && format_ == kPlain) return;
    // The pieces of one long run are one span.
    if (!cell_.spans.empty()) {
        SheetSpan &last = cell_.spans.back();
        if (last.end == begin && last.colour == colour && last.format == format_) {
            last.end = cell_.text.size();
            return;
        }
    }
    cell_.spans.push_back({begin, cell_.text.size(), format_, colour});
}

void SheetWalk::content(uint32_t id, const CHItem &item) {
    switch (item.type) {
    case CH_ITEM_TEXT:
        for_each_text_piece(ctx_.chunker, item.value, item.data1, chars_, ctx_.utf8,
                            [this](std::string_view utf8) { add_text(utf8, colour_); });
        break;
    case CH_ITEM_DATA_VALUE: {
        uint32_t colour = colour_;
        cell_.has_value = true;
        cell_.value = ctx_.numbers.value_of(item);
        if (cell_.kind == kCellTruth) {
            add_text(cell_.value != 0 ? "TRUE" : "FALSE", colour);
        } else {
            const std::string_view shown = ctx_.numbers.show(item, format_key_, &colour);
            add_text(shown, colour);
            cell_.numeric = true;
            cell_.format = &ctx_.numbers.describe(format_key_);
        }
        break;
    }
    case CH_ITEM_CHAR_ATTR: {
        const bool on = item.data1 != 0;
        switch (item.value) {
        case kBold: format_.bold = on; break;
        case kItalic: format_.italic = on; break;
        case kUnderline: format_.underline = on; break;
        case kStrike: format_.strike = on; break;
        case kSmallCaps: format_.small_caps = on; break;
        case kSuperscript: format_.superscript = on; break;
        case kSubscript: format_.subscript = on; break;
        case kHidden: format_.hidden = on; break;
        default: break;
        }
        break;
    }
    case CH_ITEM_FONT_SIZE: format_.size_half_points = item.value & 0xffff; break;
    case CH_ITEM_FONT: format_.font = font_name(item.value); break;
    case CH_ITEM_ATTR_25: colour_ = item.value == kAutomaticColour ? kNoColour : item.value & 0xffffff; break;
    case CH_ITEM_ATTR_12:
        cell_.aligned = true;
        cell_.align = cell_align_of(item.value);
        break;
    case CH_ITEM_TAG_BEGIN:
        if (item.value == kObjectTag) read_object(id, item);
        if (item.value == kCommentTag) read_comment(id);
        if (item.value != kHyperlinkTag) break;
        read_link(id);
        if (!is_safe_link_target(cell_.link)) cell_.link.clear();  // the text stays, not the link
        break;
    default: break;
    }
}

// A picture or chart anchored over the cell.
void SheetWalk::read_object(uint32_t id, const CHItem &item) {
    const uint32_t end = CUFindTagEndId(id, ctx_.chunker);
    uint32_t next = CH_NO_ITEM;
    if (end == CH_NO_ITEM || CHNextItemId(ctx_.chunker, CH_STORE_ITEMS, id, &next) != 0) return;
    cell_.objects.push_back(object_of_tag(ctx_.chunker, ctx_.pictures, item, next, end));
    skip_end_ = end;
}

// The comment is listed with the document's comments, by the cell it is on.
void SheetWalk::read_comment(uint32_t id) {
    const uint32_t end = CUFindTagEndId(id, ctx_.chunker);
    if (end == CH_NO_ITEM) return;
    const unsigned number = ctx_.outline.add_cell_comment(id, end, place_of_cell());
    const Note note = ctx_.outline.note_of(NoteRecord{id, end, number, kCommentTreeKind}, kCommentTreeKind);
    cell_.comments.push_back({number, note.author.empty() ? note.text : note.author + ": " + note.text});
    skip_end_ = end;
}

// "Sheet1!B3"; a name other than letters, digits and '_' quoted ('My sheet'!B3).
std::string SheetWalk::place_of_cell() const {
    const uint32_t column = cell_column_ < sheet_.columns.size() ? sheet_.columns[cell_column_].first : cell_column_;
    const std::string address = cell_address(column, last_row_.first);
    const std::string &name = sheet_.name;
    if (name.empty()) return address;
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
    if (plain) return name + "!" + address;
    std::string quoted = "'";
    for (char c : name) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'!" + address;
}

void SheetWalk::read_link(uint32_t id) {
    CUObjectLocator locator{};
    if (CUGetObjectLocator(&locator, id, ctx_.chunker) != 0) return;
    char bytes[kMaxLinkBytes];
    uint32_t attribute = 0;
    if (CUGetLinkLocatorString(&locator, bytes, sizeof bytes, &attribute, ctx_.chunker) != 0) return;
    if (attribute != kLinkStringAttribute) {
        cell_.link = bytes;
        return;
    }
    std::u16string units;
    for (size_t i = 0; i + 1 < sizeof bytes; i += 2) {
        const char16_t unit =
            static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) << 8 | static_cast<uint8_t>(bytes[i + 1]));
        if (unit == 0) break;
        units.push_back(unit);
    }
    cell_.link = utf8_of(units);
}

std::string SheetWalk::font_name(uint32_t font_id) {
    if (font_id == 0) return {};
    auto found = fonts_.find(font_id);
    if (found != fonts_.end()) return found->second;
    CUPropertyString name{};
    uint16_t attribute = 0;
    const uint16_t length = CUMapFontIdToName(font_id, &name, &attribute, ctx_.chunker);
    return fonts_[font_id] = utf8_of(name.Chars, length);
}

}  // namespace

uint32_t walk_sheet(WalkContext &ctx, uint32_t section, const CHSectionInfo &info) {
    CUSSSectionParams params{};
    if (uint32_t rc = CUGetSSSectionParams(section, &params, ctx.chunker)) return rc;
    const uint32_t columns = std::min(params.LineLength, kMaxColumns);
    ctx.numbers.set_date1904(params.LayoutValue1 & kLayoutDate1904);
    SheetInfo sheet = read_sheet_info(ctx.chunker, section, info, params, columns);
    sheet.hidden = params.LayoutValue1 & kLayoutHidden;
    sheet.date1904 = params.LayoutValue1 & kLayoutDate1904;
    sheet.gridlines = !(params.LayoutValue1 & kLayoutNoGridlines);
    sheet.frozen_rows = params.LayoutValue2;
    ctx.writer.begin_sheet(sheet);
    if (columns > 0) SheetWalk(ctx, info, sheet, read_merges(ctx.chunker, ctx.items, info), columns).walk();
    ctx.writer.end_sheet();
    return 0;
}

}  // namespace qrv::filters
