// How a spreadsheet is laid out in the document model: its section, the
// sheet's name and layout, columns, rows, cells and stored dates.
#pragma once

#include <qrvex/changes.h>

#include <cstdint>
#include <type_traits>

#include "tags.hpp"

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

// The kind of a spreadsheet cell's value: high 16 bits of data2 of its
// item 70.  A truth value holds a data value 0 or 1; an error value holds
// its text ("#DIV/0!").
enum CellKind : uint32_t { kCellPlain = 0, kCellTruth = 1, kCellError = 2 };

static_assert(skippable(kSheetRowTag), "a row's tag is not text");
static_assert(kSheetRowTag != kNoteTag && kSheetRowTag != kHyperlinkTag && kSheetRowTag != kBookmarkTag);
// The cell walk hands the kind on in a 32-bit word of the cell record.
static_assert(std::is_same_v<std::underlying_type_t<CellKind>, decltype(CUCellChangeInfo{}.Item147Value)>);
static_assert((kColumnSourceShift >= 4) &&
                  ((kColumnWidthTwips | kColumnHidden | kColumnGap) >> kColumnSourceShift) == 0,
              "the column flags stay below the source column");

}  // namespace qrv::model
