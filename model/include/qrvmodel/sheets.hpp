// How a spreadsheet is laid out in the document model: its section, the
// sheet's name and layout, columns, rows, cells and stored dates.
#pragma once

#include <qrvex/changes.h>

#include <cstdint>
#include <type_traits>

#include "tags.hpp"
#include "text_attributes.hpp"

namespace qrv::model {

// Section kind (CHSectionInfo.SectionKind) of a spreadsheet section; every
// other kind is a text flow.
inline constexpr uint32_t kSpreadsheetSection = 2;

// A spreadsheet cell item (70, 71) names its number format by data1: the key
// of a number format definition in the tag list; 0 is the general format.
inline constexpr uint32_t kGeneralFormatKey = 0;

// Stored dates count days as spreadsheets do: 1 is 1 January 1900 (Julian
// day 2415021) and 29 February 1900 is counted, so the date flag that takes
// that day out is set.
inline constexpr uint32_t kSpreadsheetDayBase = 2415020;
inline constexpr uint32_t kSpreadsheetDateFlags = 0x1;

// Stored dates of a workbook that counts from 1904: day 0 is 1 January
// 1904 and no 29 February 1900 lies between, so the date flag stays clear.
inline constexpr uint32_t kSpreadsheet1904DayBase = 2416481;
inline constexpr uint32_t kSpreadsheet1904DateFlags = 0x0;

// A spreadsheet section, in order: a string item with attribute
// kSheetNameAttribute (the sheet's name), a SECTION_LAYOUT item whose value
// holds kLayout* bits, the column list, the merge list (row in value,
// column in data1), a break, then one cell run of cells in row order.
inline constexpr uint32_t kSheetNameAttribute = 0x53480001u;
inline constexpr uint32_t kLayoutDate1904 = 0x1;  // day base and flags above
inline constexpr uint32_t kLayoutHidden = 0x2;    // a sheet its owner hid
inline constexpr uint32_t kLayoutNoGridlines = 0x4;  // the sheet's view shows no gridlines
// data1 of the SECTION_LAYOUT item: the source rows frozen at the top of
// the sheet's view (rows 0 to n - 1 stay in view as its header); 0: none.

// A column entry (item 77): value = width in twips (data2 bit 1), bit 2 a
// hidden column, bit 3 a gap standing for empty source columns that were
// left out; data2 >> 8 is the source column (0 = A) of the column, or the
// first column of a gap (a gap runs to the next entry's source column).
inline constexpr uint32_t kColumnWidthTwips = 0x2;
inline constexpr uint32_t kColumnHidden = 0x4;
inline constexpr uint32_t kColumnGap = 0x8;
inline constexpr uint32_t kColumnSourceShift = 8;

// A row that does not simply follow the one before starts with an empty
// skippable tag: data1 its source row (0 = row 1), data2 kRow* bits.  A
// gap row is empty and stands for source rows data1 up to the next row's.
inline constexpr uint32_t kSheetRowTag = 0x20420000u;
inline constexpr uint32_t kRowHidden = 0x1;
inline constexpr uint32_t kRowGap = 0x2;
// The row's own height in twips in the high 16 bits of data2 (0: as its
// text needs); a row of its own height always starts with its tag.
inline constexpr uint32_t kRowHeightShift = 16;
inline constexpr uint32_t kMaxRowHeightTwips = 0xFFFF;

// The kind of a spreadsheet cell's value: high 16 bits of data2 of its
// item 70.  A truth value holds a data value 0 or 1; an error value holds
// its text ("#DIV/0!").
enum CellKind : uint32_t { kCellPlain = 0, kCellTruth = 1, kCellError = 2 };

// How cells look beyond their text: each sheet has a table of frames, the
// empty skippable tags below between its merge list and its break.  Each
// kCellLookTag starts the next frame (the first is frame 1): data1 is the
// fill colour (0x00RRGGBB, kNoFill for none); data2 holds the vertical
// alignment (bits 0-1), wrapping (bit 2) and a border line kind for each
// side, four bits each from bit 8: top, right, bottom, left.  Borders of a
// colour other than the automatic one take it from the kCellBorderColourTag
// items after their frame's tag: data1 the colour, data2 the sides (bit 0
// top, 1 right, 2 bottom, 3 left).  A cell names its frame in the low 16
// bits of data2 of its cell item (kCellFrameMask); frame 0 is plain: no
// fill, aligned to the bottom, on one line, no borders.
inline constexpr uint32_t kCellLookTag = 0x20520000u;
inline constexpr uint32_t kCellBorderColourTag = 0x20530000u;
inline constexpr uint32_t kNoFill = 0x01000000u;
inline constexpr uint32_t kCellFrameMask = 0xFFFF;

enum CellVerticalAlign : uint32_t { kAlignBottom = 0, kAlignMiddle = 1, kAlignTop = 2 };
enum BorderLine : uint32_t {
    kBorderNone = 0,
    kBorderThin = 1,
    kBorderMedium = 2,
    kBorderThick = 3,
    kBorderDashed = 4,
    kBorderDotted = 5,
    kBorderDouble = 6,
    kBorderMediumDashed = 7
};
enum BorderSide : uint32_t { kSideTop = 0, kSideRight = 1, kSideBottom = 2, kSideLeft = 3 };
inline constexpr uint32_t kSideCount = 4;
inline constexpr uint32_t kLookWraps = 0x4;
inline constexpr uint32_t kLookBorderShift = 8;

constexpr uint32_t look_vertical(uint32_t bits) { return bits & 0x3; }
constexpr uint32_t look_border(uint32_t bits, uint32_t side) { return bits >> (kLookBorderShift + 4 * side) & 0xF; }
constexpr uint32_t look_bits(uint32_t vertical, bool wraps, const uint32_t (&borders)[kSideCount]) {
    uint32_t bits = (vertical & 0x3) | (wraps ? kLookWraps : 0);
    for (uint32_t side = 0; side < kSideCount; ++side) bits |= (borders[side] & 0xF) << (kLookBorderShift + 4 * side);
    return bits;
}
static_assert(look_border(look_bits(kAlignTop, true, {kBorderThin, 0, kBorderDouble, kBorderMediumDashed}), kSideBottom) ==
              kBorderDouble);
static_assert((kNoFill & kRgbMask) == 0, "no fill is no colour of the page");

static_assert(skippable(kSheetRowTag), "a row's tag is not text");
static_assert(skippable(kCellLookTag) && skippable(kCellBorderColourTag));
static_assert(kSheetRowTag != kNoteTag && kSheetRowTag != kHyperlinkTag && kSheetRowTag != kBookmarkTag);
// The cell walk hands the kind on in a 32-bit word of the cell record.
static_assert(std::is_same_v<std::underlying_type_t<CellKind>, decltype(CUCellChangeInfo{}.Item147Value)>);
static_assert((kColumnSourceShift >= 4) &&
                  ((kColumnWidthTwips | kColumnHidden | kColumnGap) >> kColumnSourceShift) == 0,
              "the column flags stay below the source column");

}  // namespace qrv::model
