#include "number_formats.hpp"

#include <qrvex/datavalue.h>
#include <qrvex/navigate.h>
#include <qrvex/numformat.h>

#include <algorithm>

#include "model.hpp"

namespace qrv::filters {
namespace {
constexpr uint16_t kCachedFormats = 64;
constexpr uint16_t kCacheGrowth = 8;
constexpr size_t kShownChars = 256;
constexpr size_t kWorkChars = 264;
constexpr uint32_t kNoText25 = 0xffffffffu;  // the format set no item 25
constexpr uint32_t kBatchRecords = 1024;
constexpr unsigned kMostDefinitionItems = 4096;  // a longer definition is described by its start
constexpr uint32_t kKeepSign = 1;                // condition data1: the section shows the value signed
}  // namespace

ValueRecords::ValueRecords(CHHandle h) : chunker_(h) {
    if (CHGetItemCount(h, CH_STORE_DATA_VALUES, &total_) != 0) total_ = 0;
}

bool ValueRecords::read(uint32_t number, Record &record) {
    if (number - first_ >= count_ && !load(number))
        return CHGetItem(chunker_, CH_STORE_DATA_VALUES, number, record.data(), nullptr) == 0;
    record = batch_[number - first_];
    return true;
}

bool ValueRecords::load(uint32_t number) {
    if (number >= total_) return false;
    if (batch_.empty()) batch_.resize(kBatchRecords);
    const uint32_t count = std::min(total_ - number, kBatchRecords);
    if (CHGetItems(chunker_, CH_STORE_DATA_VALUES, number, count, batch_.data()) != 0) return false;
    first_ = number;
    count_ = count;
    return true;
}

NumberFormats::NumberFormats(CHHandle h, uint32_t hOptions)
    : chunker_(h),
      options_(hOptions),
      values_(h),
      last_key_(kGeneralFormatKey),
      last_definition_(CH_NO_ITEM),
      day_base_(kSpreadsheetDayBase),
      date_flags_(kSpreadsheetDateFlags) {
    MUInit(&memory_);
    MUCacheInit(kCachedFormats, kCacheGrowth, sizeof(FUNumberFormat), MU_CACHE_REPLACE_OLDEST, 0, &cache_, &memory_);
}

NumberFormats::~NumberFormats() { MUCacheDeinit(&cache_, &memory_); }

uint32_t NumberFormats::definition(uint32_t format_key) {
    if (format_key == kGeneralFormatKey) return CH_NO_ITEM;
    if (format_key == last_key_) return last_definition_;
    auto found = definitions_.find(format_key);
    if (found == definitions_.end()) {
        uint32_t begin = CH_NO_ITEM, end = CH_NO_ITEM;
        // An unknown key shows the value in the general format.
        if (CUGetTagListChangeId(format_key, CH_TAG_NUMBER_FORMAT, 1, &begin, &end, chunker_) != 0) begin = CH_NO_ITEM;
        found = definitions_.emplace(format_key, begin).first;
    }
    last_key_ = format_key;
    return last_definition_ = found->second;
}

const FormatDescription &NumberFormats::describe(uint32_t format_key) {
    if (format_key == last_described_) return *last_description_;
    auto found = descriptions_.find(format_key);
    if (found == descriptions_.end()) found = descriptions_.emplace(format_key, read_description(format_key)).first;
    last_described_ = format_key;
    return *(last_description_ = &found->second);
}

// The definition's items in order, up to its end: special characters, text
// runs, colours, conditions (each with its comparand, the data value after
// it) and the cell tags of its sections.
FormatDescription NumberFormats::read_description(uint32_t format_key) {
    FormatCodeBuilder code;
    uint32_t id = definition(format_key);
    if (id == CH_NO_ITEM) return {std::string(kGeneralCode), ValueKind::Number};
    CHItem item{}, condition{};
    bool condition_waits = false;
    std::u16string chars;
    for (unsigned step = 0; id != CH_NO_ITEM && step < kMostDefinitionItems; ++step) {
        uint32_t next = CH_NO_ITEM;
        if (CHGetItem(chunker_, CH_STORE_ITEMS, id, &item, &next) != 0) break;
        const bool number_format_tag = item.value == CH_TAG_NUMBER_FORMAT;
        if ((item.type == CH_ITEM_TAG_END && number_format_tag) ||
            (item.type == CH_ITEM_TAG_BEGIN && number_format_tag && step > 0))
            break;
        switch (item.type) {
        case CH_ITEM_SPECIAL_CHAR: code.token(item.value); break;
        case CH_ITEM_TEXT:
            if (read_text_run(chunker_, item.value, item.data1, chars)) code.literal(chars);
            break;
        case CH_ITEM_ATTR_25:
            if (item.value != kAutomaticColour) code.colour(item.value);
            break;
        case CH_ITEM_FORMAT_CONDITION:
            condition = item;
            condition_waits = true;
            break;
        case CH_ITEM_DATA_VALUE:
            if (condition_waits)
                code.condition(condition.value & 0xffff, (condition.data1 & kKeepSign) == 0, condition.data2,
                               value_of(item));
            condition_waits = false;
            break;
        case CH_ITEM_TAG_BEGIN:
            if (item.value == CH_TAG_SS_CELL) code.begin_section(item.data1);
            break;
        case CH_ITEM_TAG_END:
            if (item.value == CH_TAG_SS_CELL) code.end_section();
            break;
        default: break;
        }
        if (next <= id) break;
        id = next;
    }
    return code.finish();
}

void NumberFormats::set_date1904(bool on) {
    day_base_ = on ? kSpreadsheet1904DayBase : kSpreadsheetDayBase;
    date_flags_ = on ? kSpreadsheet1904DateFlags : kSpreadsheetDateFlags;
}

// The storage is copied out of the batch: the conversion may reorder it in
// place.
double NumberFormats::value_of(const CHItem &item) {
    double value = 0;
    ValueRecords::Record storage{};
    if (item.type != CH_ITEM_DATA_VALUE || !values_.read(item.value, storage)) return value;
    FUDataValFromUnion(storage.data(), item.data1, item.data2, &value);
    return value;
}

std::string_view NumberFormats::show(const CHItem &item, uint32_t format_key, uint32_t *colour) {
    const double value = value_of(item);
    QRVWCHAR shown[kShownChars];  // only the length the formatter gives is read
    QRVWCHAR work[kWorkChars];  // the formatter's scratch space
    uint32_t text60 = 0, text25 = kNoText25;
    uint32_t length = FUFormatNumber(chunker_, shown, kShownChars, definition(format_key), value, day_base_,
                                     date_flags_, 0, &text60, &text25, &cache_, work, 0, options_);
    if (colour && text25 != kNoText25 && text25 != kAutomaticColour) *colour = text25 & 0xFFFFFF;
    return shown_.convert(shown, length < kShownChars ? length : kShownChars - 1);
}

}  // namespace qrv::filters
