#include "list_numbers.hpp"

#include <qrvch.h>
#include <qrvex/navigate.h>
#include <qrvex/numerals.h>

#include <cstring>

#include "chars.hpp"
#include "model.hpp"

namespace qrv::filters {
namespace {

constexpr uint32_t kCountedItem = 1;  // ListKind of a numbered item
constexpr uint32_t kNoListStyle = 0xFFFFFFFFu;
constexpr uint32_t kNumberingDecimal = 1;
constexpr uint32_t kNumberingMask = 0xFFFF;
constexpr uint16_t kDefaultBullet = 0x2022;
constexpr uint32_t kLevelInfoHeld = 0x1;  // ListFlags: ListLevelInfo holds a record
// A list style counting alone counts on a counter of its own, apart from
// the counters lists name.
constexpr uint32_t kOwnCounterBit = 0x80000000u;
constexpr size_t kNumberChars = 32;

CUListLevelRecord default_level(bool numbered) {
    CUListLevelRecord level{};
    level.BulletChar = kDefaultBullet;
    level.Numbering = numbered ? kNumberingDecimal : CU_LIST_NUMBERING_BULLET;
    return level;
}

// The level record of the list style in force, or the paragraph's own copy,
// or a plain decimal or bullet level.
CUListLevelRecord level_record(CUStyleSheet *sheet, const CUParaChangeInfo &para, uint32_t list_style, uint32_t level) {
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
    if (para.ListStyleIndex < 0 || static_cast<uint32_t>(para.ListStyleIndex) >= sheet->StyleCount) return kNoListStyle;
    return sheet->StyleTable[para.ListStyleIndex].Id;
}

int32_t start_of(const CUListLevelRecord &record) {
    if (!(record.ChunkerWords12[kLevelFlagsWord] & kLevelStartGiven)) return 1;
    return static_cast<int32_t>(record.ChunkerWords12[kLevelStartWord]);
}

uint32_t counter_of(const CUListLevelRecord &record, uint32_t list_style) {
    const uint32_t counter = record.ChunkerWords12[kLevelCounterWord];
    return counter ? counter : (list_style | kOwnCounterBit);
}

bool is_bullet(const CUListLevelRecord &record) {
    return (record.Numbering & kNumberingMask) == CU_LIST_NUMBERING_BULLET;
}

std::string number_text(CUListLevelRecord record, int32_t value, bool decimal) {
    if (decimal) record.Numbering = kNumberingDecimal;
    QRVWCHAR number[kNumberChars] = {};
    const uint16_t length = FUGenerateCounterNumber(&record, 0, number, kNumberChars, value);
    return utf8_of(number, length < kNumberChars ? length : kNumberChars - 1);
}

}  // namespace

ListNumbers::ListNumbers(CHHandle h) : chunker_(h) { status_ = LUInitCounterTrack(&track_); }

ListNumbers::~ListNumbers() {
    if (track_) LUDeInitCounterTrack(track_);
}

// A level that never counted here, or started over under a new outer item,
// begins at its start value.
int32_t ListNumbers::value_at(uint32_t counter, uint32_t level, uint32_t position, int32_t start) {
    int32_t value = 0;
    if (!track_ || LUGetCounterLevel(track_, counter, level, &value, position) != 0 || value < 0) return start;
    return value;
}

int32_t ListNumbers::next_value(uint32_t counter, uint32_t level, uint32_t position, int32_t start) {
    int32_t value = 0;
    if (!track_ || LUGetCounterLevel(track_, counter, level, &value, position) != 0 || value < 0)
        value = start;
    else
        ++value;
    if (track_) LUSaveCounterLevel(track_, counter, level, value, position);
    return value;
}

// The level text kept in the level's definition, read once per level.
const std::u16string *ListNumbers::level_text(uint32_t style, uint32_t level, const CUListLevelRecord &record) {
    auto [entry, added] = texts_.try_emplace({style, level});
    if (!added) return entry->second.empty() ? nullptr : &entry->second;
    uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
    if (CUGetTagListChangeId(record.DefinitionKey, CH_TAG_LIST_LEVEL_DEF, 1, &begin, &end, chunker_) != 0)
        return nullptr;
    for (uint32_t id = begin; id != CH_NO_ITEM && id <= end;) {
        CHItem item{};
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(chunker_, CH_STORE_ITEMS, id, &item, &next) != 0 || item.type == CH_ITEM_TAG_END) break;
        if (item.type == CH_ITEM_STRING) {
            entry->second = property_text(chunker_, id);
            break;
        }
        if (next <= id) break;
        id = next;
    }
    return entry->second.empty() ? nullptr : &entry->second;
}

// "%N" takes the number of level N as that level writes it (as decimal
// when the level asks for legal numbering); other characters stand.
std::string ListNumbers::expand(CUStyleSheet *sheet, uint32_t style, uint32_t level, const CUListLevelRecord &record,
                                const std::u16string &text, uint32_t counter, uint32_t position, int32_t value) {
    const bool legal = record.ChunkerWords12[kLevelFlagsWord] & kLevelLegalFlag;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9') {
            const uint32_t shown = text[++i] - u'1';
            if (shown == level) {
                out += number_text(record, value, false);
            } else if (shown < level) {
                CUListLevelRecord outer{};
                if (CULoadListLevelStyle(sheet, style, shown, &outer) != 0) outer = default_level(true);
                out += number_text(outer, value_at(counter, shown, position, start_of(outer)), legal);
            }
            continue;
        }
        out += utf8_of(std::u16string_view(&text[i], 1));
    }
    return out;
}

bool ListNumbers::describe(CUStyleSheet *sheet, const CUParaChangeInfo &para, uint32_t position, ParaFormat &format) {
    if (para.ListLevel == 0 || para.ListLevel > CU_LIST_LEVELS) return false;
    const uint32_t level = para.ListLevel - 1;
    const uint32_t style = list_style_id(sheet, para);
    CUListLevelRecord record = level_record(sheet, para, style, level);
    const bool bullet = is_bullet(record);
    const uint32_t counter = counter_of(record, style);
    const int32_t value = bullet ? 0 : next_value(counter, level, position, start_of(record));

    format.kind = ParaKind::ListItem;
    format.list_level = para.ListLevel;
    format.numbered = !bullet;
    const std::u16string *text = bullet || style == kNoListStyle ? nullptr : level_text(style, level, record);
    if (text) {
        format.marker = expand(sheet, style, level, record, *text, counter, position, value);
    } else {
        format.marker = number_text(record, value, false);
        if (!bullet && !format.marker.empty()) format.marker += '.';
    }
    return true;
}

}  // namespace qrv::filters
