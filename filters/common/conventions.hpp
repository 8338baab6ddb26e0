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

// Document properties: a DOC_PROPERTY tag (its data2 the store-3 offset of
// the property id) around the value's text, before the first section.
enum DocumentProperty : uint32_t {
    kTitleProperty = 1,
    kSubjectProperty = 2,
    kAuthorProperty = 3,
    kKeywordsProperty = 4,
    kDescriptionProperty = 5
};

// A spreadsheet cell item (70, 71) names its number format by data1: the key
// of a number format definition in the tag list; 0 is the general format.
inline constexpr uint32_t kGeneralFormatKey = 0;

// Stored dates count days as spreadsheets do: 1 is 1 January 1900 (Julian
// day 2415021) and 29 February 1900 is counted, so the date flag that takes
// that day out is set.
inline constexpr uint32_t kSpreadsheetDayBase = 2415020;
inline constexpr uint32_t kSpreadsheetDateFlags = 0x1;

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
