// What the walk tells a writer about a spreadsheet section: the sheet with
// its columns, each row, and each cell with its finished text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format_code.hpp"
#include "model.hpp"
#include "pictures.hpp"
#include "writer.hpp"

namespace qrv::filters {

// No colour given: the page's text colour.
inline constexpr uint32_t kNoColour = 0xffffffffu;

struct SheetColumn {
    unsigned width_twips = 0;  // 0: not given
    bool hidden = false;
    bool gap = false;  // stands for source columns first to last, all empty
    uint32_t first = 0, last = 0;
};

struct SheetInfo {
    unsigned section = 0;
    std::string name;  // UTF-8, may be empty
    bool hidden = false;
    bool date1904 = false;  // day numbers count from 1 January 1904
    bool gridlines = true;  // the sheet's view shows them
    uint32_t frozen_rows = 0;  // source rows 0 to n - 1 stay in view: the sheet's header
    std::vector<SheetColumn> columns;
};

struct SheetRow {
    uint32_t first = 0, last = 0;  // source rows (0 is row 1); more than one for a gap
    bool hidden = false;
    bool gap = false;  // empty rows that were left out
    unsigned height_twips = 0;  // 0: as its text needs
};

// What a cell shows around its text (qrvmodel/sheets.hpp).
struct SheetFrame {
    uint32_t fill = kNoColour;
    uint32_t vertical = kAlignBottom;  // a CellVerticalAlign
    bool wraps = false;
    std::array<uint32_t, kSideCount> lines{};  // a BorderLine per side: top, right, bottom, left
    std::array<uint32_t, kSideCount> line_colours{kNoColour, kNoColour, kNoColour, kNoColour};
    bool operator==(const SheetFrame &) const = default;
};

// Part of a cell's text in its own character formatting.
struct SheetSpan {
    size_t begin = 0, end = 0;  // bytes of SheetCell::text
    TextFormat format;
    uint32_t colour = kNoColour;
};

// A comment on a cell: its number among the document's comments and its text.
struct SheetComment {
    unsigned number = 0;
    std::string text;
};

struct SheetCell {
    std::string text;              // UTF-8
    std::vector<SheetSpan> spans;  // formatting of parts of the text; empty: plain
    uint32_t colour = kNoColour;   // of the whole text (a number format's colour)
    unsigned column_span = 1;
    unsigned row_span = 1;
    bool numeric = false;  // a number: aligned right
    bool aligned = false;  // align holds the cell's own alignment
    Align align = Align::Left;
    CellKind kind = kCellPlain;
    const SheetFrame *frame = nullptr;  // null: plain; held by the walk
    std::string link;        // target of the cell's hyperlink, UTF-8
    std::vector<ObjectInfo> objects;  // pictures and charts anchored over the cell
    std::vector<SheetComment> comments;
    bool has_value = false;  // a number or truth value, value holding it (a truth value 0 or 1)
    double value = 0;
    // The number format a number is shown in (its kind and code), held by
    // the walk; null for text, truth and error values.
    const FormatDescription *format = nullptr;

    void clear() {
        has_value = false;
        format = nullptr;
        value = 0;
        text.clear();
        spans.clear();
        link.clear();
        objects.clear();
        comments.clear();
        colour = kNoColour;
        column_span = row_span = 1;
        numeric = aligned = false;
        kind = kCellPlain;
        frame = nullptr;
    }
};

}  // namespace qrv::filters
