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
// numbers notes in document order and writes them at the end.  The tag's
// data1 is the note's kind (0 and 1 a footnote, 2 an endnote).
inline constexpr uint32_t kNoteTag = 0x20400000u;
inline constexpr uint32_t kFootnoteKind = 1;
inline constexpr uint32_t kEndnoteKind = 2;
// A bookmark: a skippable tag whose text is the bookmark's name.
inline constexpr uint32_t kBookmarkTag = 0x20410000u;

// A link: a plain tag around the link's text (its text is part of the
// flow).  Right after its begin, a string item holds the target (a URL, or
// "#name" for a bookmark of the document) with attribute kLinkTargetWide,
// and an object locator whose part 2 names that string item:
//   begin 0x00440000; @t: string "https://..." attribute=0x14b00000;
//   OBJECT_LOCATOR_PART 2 @t; OBJECT_LOCATOR_END; text ...; end
inline constexpr uint32_t kLinkTag = 0x00440000u;
inline constexpr uint32_t kLinkTargetWide = 0x14b00000u;
inline constexpr uint32_t kLinkTargetPart = 2;

// A picture, chart or other object: a skippable tag whose text is the
// object's description (its alternative text); data1 is the kind.
inline constexpr uint32_t kObjectTag = 0x20450000u;
enum ObjectKind : uint32_t { kPictureObject = 1, kChartObject = 2, kOtherObject = 3 };

// A comment: a skippable tag holding a string item (the author) and the
// comment's text.  It stands after the text it comments on and is not part
// of the flow; filters may list comments at the end.
inline constexpr uint32_t kCommentTag = 0x20460000u;
inline constexpr uint32_t kCommentKind = 3;  // note kind of comments in the document tree

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

// Document properties: DOC_PROPERTY tags before the first section (data2
// the store-3 offset of the property id), each around a text run holding
// the value.
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
    kHidden = 9,
    kDoubleStrike = 10,
    kCapitals = 11
};

// The kind of underline (value of an item 63), beside attribute 4.
enum UnderlineKind : uint32_t {
    kUnderlineSingle = 1,
    kUnderlineWords = 2,
    kUnderlineDouble = 3,
    kUnderlineThick = 4,
    kUnderlineDotted = 5,
    kUnderlineDashed = 6,
    kUnderlineDotDash = 7,
    kUnderlineWave = 8
};

// Colours are 0x00RRGGBB.  The text colour is the value of an item 25; 0
// (black, also the state of a cleared record) is the page's colour.  The
// highlight is data1 of an item 60 whose value is 0; 0 is no highlight.
inline constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// A font whose record's value (the 32-bit value beside its name) has this
// bit is the document's default font: writers leave it to the page.
inline constexpr uint32_t kDefaultFontBit = 0x1;

// Paragraph spacing and keeping, in twips: item 98 space before and item 99
// space after (value 0, data1 the space); item 14 line spacing (value 0
// proportional in 240ths of a line, 2 at least, 3 exactly, in data1); item
// 56 keep with the next paragraph, item 57 keep the lines together, item
// 103 a page break before (value 1).
enum LineSpacingRule : uint16_t { kLineAuto = 0, kLineAtLeast = 2, kLineExact = 3 };

// Tab stops (items 22): the kind in value, the leader character in the low
// half of data1, the position in twips in data2.
enum TabKindCode : uint32_t { kTabLeft = 0, kTabCentre = 1, kTabRight = 2, kTabDecimal = 3, kTabBar = 4 };

// Table rows (store 10): flag bit 0 of a row record marks a header row.
inline constexpr uint32_t kHeaderRowFlag = 0x1;

// List level records (store 3, 36 bytes): besides the bullet, the counter
// word and the numbering, the three words at offset 12 hold the level's
// start value (read when flag bit 1 is set; else the level starts at 1),
// the id of the counter it counts on (lists of one counter continue each
// other's numbers; 0 for the list style's own), and flags (bit 0: every
// level's number in the level text shown as decimal).  The
// level's definition may hold a string item: the level text, where %1 to
// %9 stand for the numbers of levels 1 to 9.
inline constexpr unsigned kLevelStartWord = 0;
inline constexpr unsigned kLevelCounterWord = 1;
inline constexpr unsigned kLevelFlagsWord = 2;
inline constexpr uint32_t kLevelLegalFlag = 0x1;
inline constexpr uint32_t kLevelStartGiven = 0x2;

// Paragraph alignment (value of an item 12).
enum AlignmentCode : uint16_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignJustify = 3 };

// Nesting bound for tables inside table cells; deeper tables are written as
// their text only.
inline constexpr unsigned kMaxTableDepth = 8;

}  // namespace qrv::filters
