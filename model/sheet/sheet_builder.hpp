// One sheet of a workbook as a spreadsheet section.  An importer hands it
// the sheet's cells, column widths, hidden rows, merged ranges and links in
// any order as it reads them; finish() appends the section: its name, date
// system, column list, merge list and the cells in row order, with empty
// stretches as runs of empty cells and long empty stretches collapsed into
// gaps (filters/README.md describes the layout).  The cells are kept in a
// compact form until then: memory follows the cells, not the sheet's size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <qrvplatform/growing_array.hpp>

#include "writer/object_ref.hpp"
#include "writer/document_writer.hpp"
#include "writer/diagnostics.hpp"
#include "cell_frame.hpp"
#include "char_format.hpp"
#include "general_numbers.hpp"
#include "number_texts.hpp"
#include "text_store.hpp"

namespace qrv::import {

// Horizontal alignment a cell asks for.
enum class CellAlign : uint8_t { General, Left, Centre, Right, Justify };

// How a cell looks: its number format key, character format, alignment
// and frame (fill, vertical alignment, wrapping, borders).
struct CellLook {
    uint32_t format_key = 0;
    uint32_t char_format = 0;
    CellAlign align = CellAlign::General;
    CellFrame frame;
};

class SheetBuilder {
public:
    SheetBuilder(DocumentWriter &writer, const TextStore &texts, const CharFormatTable &formats,
                 Diagnostics &diagnostics);

    void set_name(std::string_view utf8) { name_ = utf8; }
    void set_date1904(bool on) { date1904_ = on; }
    // The definitions general cells take where the library's general format
    // keeps fewer digits than a spreadsheet program shows (null: none).
    void set_general_numbers(const GeneralNumbers *general) { general_ = general; }
    // The formats whose number cells show a text the importer makes (null:
    // none); such a cell is written as that text, aligned right.
    void set_number_texts(const NumberTexts *texts) { number_texts_ = texts; }
    // A sheet its owner hid (the section says so; the filters decide).
    void set_hidden(bool on) { hidden_ = on; }
    // A sheet whose view hides zero values: its zero cells are left out, so
    // they show empty as in the sheet.  Any time before finish().
    void set_zeros_shown(bool on) { zeros_shown_ = on; }

    // Widths in twips for source columns first to last; later calls win.
    void set_columns(uint32_t first, uint32_t last, uint32_t width_twips, bool hidden);
    void set_default_width(uint32_t width_twips) { default_width_ = width_twips; }
    // The height of a row that has none of its own, for the sizes below.
    void set_default_height(uint32_t twips) { default_height_ = twips; }
    void hide_row(uint32_t row) { hide_rows(row, row); }
    // A row's own height in twips (0: as its text needs); later calls win.
    void set_row_height(uint32_t row, uint32_t twips) { set_row_heights(row, row, twips); }
    void set_row_heights(uint32_t first, uint32_t last, uint32_t twips);
    // Whether the sheet's view shows gridlines, and how many of its top
    // rows stay in view (its header).
    void set_gridlines(bool on) { gridlines_ = on; }
    void set_frozen_rows(uint32_t rows) { frozen_rows_ = rows; }
    // Rows first to last: a million hidden empty rows cost one entry.
    void hide_rows(uint32_t first, uint32_t last) {
        if (first <= last) hidden_rows_.push_back({first, last});
    }

    void number(uint32_t row, uint32_t column, double value, const CellLook &look);
    void text(uint32_t row, uint32_t column, uint32_t text, const CellLook &look);
    void truth(uint32_t row, uint32_t column, bool value, const CellLook &look);
    void error(uint32_t row, uint32_t column, uint32_t text, const CellLook &look);
    // A cell without a value that shows a fill or borders (others are
    // passed over).
    void empty(uint32_t row, uint32_t column, const CellLook &look);

    void merge(uint32_t top, uint32_t left, uint32_t bottom, uint32_t right);
    void link(uint32_t row, uint32_t column, std::string_view url);
    // A picture or chart anchored over a cell (its top left corner there);
    // an empty cell gets an empty value to carry it.
    void object(uint32_t row, uint32_t column, ObjectRef object);
    // A comment on a cell: its author (may be empty) and its plain text,
    // lines separated by '\n'.  An empty cell gets an empty value to carry it.
    void comment(uint32_t row, uint32_t column, std::string_view author, std::string_view text);

    size_t cell_count() const { return cells_.size(); }

    // The twips a range of whole columns or rows spans as the sheet shows
    // them (own sizes, else the defaults; hidden columns and rows none), at
    // most kMaxSpanned of them: what a two-cell anchor's corners enclose.
    static constexpr uint32_t kMaxSpanned = 4096;
    uint64_t columns_span(uint32_t first, uint32_t end) const;
    uint64_t rows_span(uint32_t first, uint32_t end) const;

    // Appends the section.  The builder is spent afterwards.
    void finish();

private:
    enum class Kind : uint8_t { Number, Text, Truth, Error, Empty };
    struct Cell {
        uint32_t row, column;
        uint32_t format_key;
        uint16_t look;  // in looks_
        Kind kind;
        CellAlign align;
        union {
            double number;
            uint32_t text;
        };
    };
    struct ColumnRange {
        uint32_t first, last, width;
        bool hidden;
    };
    struct Merge {
        uint32_t top, left, bottom, right;
    };
    struct Link {
        uint32_t row, column;
        std::string url;
    };
    struct Anchored {
        uint32_t row, column;
        ObjectRef object;
    };
    struct Comment {
        uint32_t row, column;
        std::string author, text;
    };
    struct RowHeight {
        uint32_t first, last, twips;
        bool operator<(const RowHeight &other) const { return first < other.first; }
    };
    struct RowRange {
        uint32_t first, last;
        bool operator<(const RowRange &other) const { return first < other.first; }
    };
    class Layout;

    void add(Cell cell);
    Cell cell_of(uint32_t row, uint32_t column, Kind kind, const CellLook &look);
    void hide_zeros();
    template <typename Keep>
    void keep_cells(Keep keep);
    void drop_repeated_places();
    size_t gather_places(std::vector<uint32_t> &rows, std::vector<uint32_t> &columns);
    bool framed_only(const Cell &cell) const;
    uint32_t height_of(uint32_t row, size_t &next) const;
    void write_header(const Layout &layout);
    void write_columns(const Layout &layout);
    void write_merges(const Layout &layout);
    void write_rows(const Layout &layout);
    struct Cursors {
        size_t link = 0, object = 0, comment = 0;
    };
    void write_cell(const Cell &cell, Cursors &next);
    void write_comment(const Comment &comment);
    void attach_charts_to_cells();
    void add_anchor_cells();
    bool carries_something(const Cell &cell) const;
    std::optional<std::string> number_text(const Cell &cell) const;
    void write_link(const Link &link);
    void write_empty(uint64_t count);
    bool row_hidden(uint32_t row) const;

    DocumentWriter &writer_;
    const TextStore &texts_;
    const CharFormatTable &formats_;
    Diagnostics &diagnostics_;
    std::string name_;
    bool date1904_ = false;
    const GeneralNumbers *general_ = nullptr;
    const NumberTexts *number_texts_ = nullptr;
    bool hidden_ = false;
    bool zeros_shown_ = true;
    bool gridlines_ = true;
    uint32_t frozen_rows_ = 0;
    SheetLooks looks_;
    std::vector<RowHeight> heights_;
    uint32_t default_width_ = 0;
    uint32_t default_height_ = 0;
    qrv::GrowingArray<Cell> cells_;  // a long sheet's wait in a scratch file
    bool sorted_ = true;
    std::vector<ColumnRange> columns_;
    std::vector<RowRange> hidden_rows_;  // sorted and joined by finish()
    std::vector<Merge> merges_;
    std::vector<Link> links_;
    std::vector<Anchored> objects_;
    std::vector<Comment> comments_;
};

}  // namespace qrv::import
