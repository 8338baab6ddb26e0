// Paragraph formatting, tables and lists in the document model.
#pragma once

#include <qrvex/changes.h>
#include <qrvex/items.h>
#include <qrvex/styles.h>

#include <cstddef>
#include <cstdint>

namespace qrv::model {

// Paragraph spacing and keeping, in twips: item 98 space before and item 99
// space after (value 0, data1 the space); item 14 line spacing (value 0
// proportional in 240ths of a line, 2 at least, 3 exactly, in data1); item
// 56 keep with the next paragraph, item 57 keep the lines together, item
// 103 a page break before (value 1).
enum LineSpacingRule : uint16_t { kLineAuto = 0, kLineAtLeast = 2, kLineExact = 3 };
static_assert(sizeof(LineSpacingRule) == sizeof(CUParaChangeInfo{}.Item14Value));

// Tab stops (items 22): the kind in value, the leader character in the low
// half of data1, the position in twips in data2.
enum TabKindCode : uint32_t { kTabLeft = 0, kTabCentre = 1, kTabRight = 2, kTabDecimal = 3, kTabBar = 4 };
static_assert(sizeof(TabKindCode) == sizeof(CUTabStop{}.Kind));

// Paragraph alignment (value of an item 12).
enum AlignmentCode : uint16_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignJustify = 3 };
static_assert(sizeof(AlignmentCode) == sizeof(CUParaChangeInfo{}.Item12Value));

// Table rows (store 10): flag bit 0 of a row record marks a header row.
inline constexpr uint32_t kHeaderRowFlag = 0x1;

// Nesting bound for tables inside table cells; deeper tables are written as
// their text only.
inline constexpr unsigned kMaxTableDepth = 8;

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
static_assert(sizeof(CUListLevelRecord) == CH_SIZE_LIST_LEVEL && offsetof(CUListLevelRecord, ChunkerWords12) == 12);
static_assert(kLevelFlagsWord < sizeof(CUListLevelRecord{}.ChunkerWords12) / sizeof(uint32_t),
              "the level's own words lie inside its record");

}  // namespace qrv::model
