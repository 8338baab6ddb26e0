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
