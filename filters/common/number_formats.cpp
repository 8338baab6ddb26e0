#include "number_formats.hpp"

#include <qrvex/datavalue.h>
#include <qrvex/navigate.h>
#include <qrvex/numformat.h>

#include "chars.hpp"
#include "conventions.hpp"

namespace qrv::filters {
namespace {
constexpr uint16_t kCachedFormats = 64;
constexpr uint16_t kCacheGrowth = 8;
constexpr size_t kShownChars = 256;
constexpr size_t kWorkChars = 264;
constexpr uint32_t kNoText25 = 0xffffffffu;  // the format set no item 25
}  // namespace

NumberFormats::NumberFormats(CHHandle h, uint32_t hOptions)
    : chunker_(h), options_(hOptions), day_base_(kSpreadsheetDayBase), date_flags_(kSpreadsheetDateFlags) {
    MUInit(&memory_);
    MUCacheInit(kCachedFormats, kCacheGrowth, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_,
                &memory_);
}

NumberFormats::~NumberFormats() { MUCacheDeinit(&cache_, &memory_); }

uint32_t NumberFormats::definition(uint32_t format_key) {
    if (format_key == kGeneralFormatKey) return CH_NO_ITEM;
    auto found = definitions_.find(format_key);
    if (found != definitions_.end()) return found->second;
    uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
    // An unknown key shows the value in the general format.
    if (CUGetTagListChangeId(format_key, CH_TAG_NUMBER_FORMAT, 1, &begin, &end, chunker_) != 0) begin = CH_NO_ITEM;
    definitions_.emplace(format_key, begin);
    return begin;
}

void NumberFormats::set_date1904(bool on) {
    day_base_ = on ? kSpreadsheet1904DayBase : kSpreadsheetDayBase;
    date_flags_ = on ? kSpreadsheet1904DateFlags : kSpreadsheetDateFlags;
}

std::string NumberFormats::show(uint32_t value_id, uint32_t format_key, uint32_t *colour) {
    double value = 0;
    FUDataVal(chunker_, value_id, &value);
    QRVWCHAR shown[kShownChars] = {};
    QRVWCHAR work[kWorkChars] = {};
    uint32_t text60 = 0, text25 = kNoText25;
    uint32_t length = FUFormatNumber(chunker_, shown, kShownChars, definition(format_key), value, day_base_,
                                     date_flags_, 0, &text60, &text25, &cache_, work, 0, options_);
    if (colour && text25 != kNoText25 && text25 != kAutomaticColour) *colour = text25 & 0xFFFFFF;
    return utf8_of(shown, length < kShownChars ? length : kShownChars - 1);
}

}  // namespace qrv::filters
