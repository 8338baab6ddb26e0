#include "list_numbers.hpp"

#include <qrvex/numerals.h>

#include <cstring>

#include "chars.hpp"

namespace qrv::filters {
namespace {

constexpr uint32_t kCountedItem = 1;        // ListKind of a numbered item
constexpr uint32_t kNoListStyle = 0xFFFFFFFFu;
constexpr uint32_t kNumberingDecimal = 1;
constexpr uint16_t kDefaultBullet = 0x2022;
constexpr uint32_t kLevelInfoHeld = 0x1;    // ListFlags: ListLevelInfo holds a record

CUListLevelRecord default_level(bool numbered) {
    CUListLevelRecord level{};
    level.BulletChar = kDefaultBullet;
    level.Numbering = numbered ? kNumberingDecimal : CU_LIST_NUMBERING_BULLET;
    return level;
}

// The level record of the list style in force, or the paragraph's own copy,
// or a plain decimal or bullet level.
CUListLevelRecord level_record(CUStyleSheet *sheet, const CUParaChangeInfo &para, uint32_t list_style,
                               uint32_t level) {
    CUListLevelRecord record{};
    if (list_style != kNoListStyle) {
        if (CULoadListLevelStyle(sheet, list_style, level, &record) == 0) return record;
        if (sheet->ListStyleId == list_style) return sheet->ListLevels[level];
    }
    if (para.ListFlags & kLevelInfoHeld) {
        std::memcpy(&record, para.ListLevelInfo, sizeof record);
        return record;
    }
    return default_level((para.ListKind & 0xFFFF) == kCountedItem);
}

uint32_t list_style_id(CUStyleSheet *sheet, const CUParaChangeInfo &para) {
    if (para.ListStyleIndex < 0 || static_cast<uint32_t>(para.ListStyleIndex) >= sheet->StyleCount)
        return kNoListStyle;
    return sheet->StyleTable[para.ListStyleIndex].Id;
}

}  // namespace

ListNumbers::ListNumbers() { status_ = LUInitCounterTrack(&track_); }

ListNumbers::~ListNumbers() {
    if (track_) LUDeInitCounterTrack(track_);
}

int32_t ListNumbers::next_value(uint32_t counter, uint32_t level, uint32_t position) {
    int32_t value = 0;
    // A level that never counted here, or started over under a new outer
    // item, begins at 1.
    if (LUGetCounterLevel(track_, counter, level, &value, position) != 0 || value < 0) value = 0;
    ++value;
    LUSaveCounterLevel(track_, counter, level, value, position);
    return value;
}

bool ListNumbers::describe(CUStyleSheet *sheet, const CUParaChangeInfo &para, uint32_t position,
                           ParaFormat &format) {
    if (para.ListLevel == 0 || para.ListLevel > CU_LIST_LEVELS) return false;
    const uint32_t level = para.ListLevel - 1;
    const uint32_t style = list_style_id(sheet, para);
    CUListLevelRecord record = level_record(sheet, para, style, level);
    const bool bullet = (record.Numbering & 0xFFFF) == CU_LIST_NUMBERING_BULLET;
    const int32_t value = bullet || !track_ ? 0 : next_value(style, level, position);

    QRVWCHAR number[32] = {};
    uint16_t length = FUGenerateCounterNumber(&record, 0, number, 32, value);
    format.kind = ParaKind::ListItem;
    format.list_level = para.ListLevel;
    format.numbered = !bullet;
    format.marker = utf8_of(number, length < 32 ? length : 31);
    if (!bullet && !format.marker.empty()) format.marker += '.';
    return true;
}

}  // namespace qrv::filters
