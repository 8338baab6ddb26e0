// How the reference filters read the parts of a document that the library
// leaves to the chunker and its filters: which tags carry notes and
// bookmarks, which section kind is a spreadsheet, where a cell keeps its
// number format and what each character attribute code means.  README.md of
// filters/ lists the same conventions for document authors.
#pragma once

#include <cstdint>

namespace qrv::filters {

// Section kind (CHSectionInfo.SectionKind) of a spreadsheet section; every
// other kind is a text flow.
inline constexpr uint32_t kSpreadsheetSection = 2;

// A note: a skippable tag whose content is the note's text; the filter
// numbers notes in document order and writes them at the end.
inline constexpr uint32_t kNoteTag = 0x20400000u;
// A bookmark: a skippable tag whose text is the bookmark's name.
inline constexpr uint32_t kBookmarkTag = 0x20410000u;

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

// Colour of text (item 25, and what a number format hands back through its
// item 25): 0x00RRGGBB; kAutomaticColour takes back an earlier colour.
inline constexpr uint32_t kAutomaticColour = 0x01000000u;

// A hyperlink of a cell: a skippable tag at the start of the cell's items
// holding a string item (attribute kLinkStringAttribute: UTF-16 big-endian
// through the link locator) and an object locator whose part 2 names it.
inline constexpr uint32_t kHyperlinkTag = 0x20430000u;
inline constexpr uint32_t kLinkStringAttribute = 0x14b00000u;
inline constexpr uint32_t kLocatorLinkPart = 2;

// Document properties: DOC_PROPERTY tags before the first section, each
// around a text run holding the value; the ids in store 3 say which.
enum PropertyId : uint32_t {
    kPropertyTitle = 1,
    kPropertySubject = 2,
    kPropertyAuthor = 3,
    kPropertyKeywords = 4,
    kPropertyDescription = 5,
    kPropertyLastAuthor = 6,
    kPropertyCreated = 7,   // ISO 8601 text
    kPropertyModified = 8
};

// Character attribute codes (value of an item 8).
enum AttributeCode : uint32_t {
    kBold = 2,
    kItalic = 3,
    kUnderline = 4,
    kStrike = 5,
    kSmallCaps = 6,
    kSuperscript = 7,
    kSubscript = 8,
    kHidden = 9
};

// Paragraph alignment (value of an item 12).
enum AlignmentCode : uint16_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignJustify = 3 };

// Nesting bound for tables inside table cells; deeper tables are written as
// their text only.
inline constexpr unsigned kMaxTableDepth = 8;

}  // namespace qrv::filters
