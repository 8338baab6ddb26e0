// Whether a range of items holds anything that counts as text.
#include "chunk/gather/type_set.hpp"

#include "chunk/gather/list_kind.hpp"
#include "chunk/walk.hpp"
#include "host/chunker.hpp"
#include "styles/load.hpp"

#include <qrvex/gather.h>
#include <qrvex/navigate.h>

namespace qrv::gather {

namespace {

enum : uint32_t {
    kBreaksAreNotText = 0x02,
    kItem26IsNotText = 0x04,
    kCellEndsAreText = 0x08,
    kTablesAreText = 0x10,
    kListItemsAreText = 0x20
};

constexpr TypeSet kTextBreaks{CH_BREAK_PARAGRAPH, CH_BREAK_LINE, CH_BREAK_ROW, CH_BREAK_CELL, CH_BREAK_PAGE};
constexpr TypeSet kNonTextSpecials{2, 4, 5, 12, 13};

enum class Verdict { kText, kNotText, kStop };

Verdict style_is_counted_list(CUStyleSheet *sheet, uint32_t style_id) {
    if (!sheet) return Verdict::kStop;
    styles::LoadedStyle loaded;
    if (styles::load_style(*sheet, style_id, CH_NO_ITEM, loaded) != 0) return Verdict::kStop;
    return loaded.slot->Para.ListKind == kCountedListKind ? Verdict::kText : Verdict::kNotText;
}

Verdict judge(CUStyleSheet *sheet, const CHItem &item, uint32_t options) {
    const auto when = [](bool counts) { return counts ? Verdict::kText : Verdict::kNotText; };
    switch (item.type) {
    case CH_ITEM_BREAK: return when(!(options & kBreaksAreNotText) && kTextBreaks.contains(item.value));
    case CH_ITEM_TEXT:
    case CH_ITEM_DATA_VALUE: return Verdict::kText;
    case CH_ITEM_TABLE_BEGIN: return when(options & kTablesAreText);
    case CH_ITEM_SPECIAL_CHAR: return when(!kNonTextSpecials.contains(item.value));
    case CH_ITEM_ATTR_26: return when(!(options & kItem26IsNotText));
    case CH_ITEM_STYLE:
        return (options & kListItemsAreText) ? style_is_counted_list(sheet, item.data1) : Verdict::kNotText;
    case CH_ITEM_CELL_END_45:
    case CH_ITEM_CELL_END_110: return when(options & kCellEndsAreText);
    case CH_ITEM_LIST_ITEM: return when((options & kListItemsAreText) && item.data2 == 1);
    default: return Verdict::kNotText;
    }
}

}  // namespace

uint32_t first_text_id(CUStyleSheet *sheet, uint32_t first_id, uint32_t last_id, uint32_t options, CHHandle h) {
    options &= 0xFF;
    CHItem item{};
    uint32_t id = first_id;
    while (id <= last_id) {
        uint32_t next = CH_NO_ITEM;
        if (host::get_item(h, id, item, &next) != 0) return 0;
        switch (judge(sheet, item, options)) {
        case Verdict::kText: return id;
        case Verdict::kStop: return 0;
        case Verdict::kNotText: break;
        }
        if (chunk::is_tag_begin(item) && chunk::is_skipped_by_text_searches(item.value)) next = CUSkipTag(next, h);
        if (next <= id) return 0;
        id = next;
    }
    return 0;
}

}  // namespace qrv::gather

// The id of the first item in [firstId, lastId] that counts as text: text
// runs and data values always; breaks of kinds 1, 2, 19, 20, 22 unless
// option 0x2; special characters other than 2, 4, 5, 12, 13; item 26 unless
// option 0x4; cell ends 45 and 110 with option 0x8; table begins with 0x10;
// with 0x20, list items of kind 1 and styles whose ListKind is 1.  Tags
// skipped by text searches are passed over whole.  0 when there is none, a
// fetch or style load fails, or the ids stop growing.
extern "C" QRVAPI uint32_t CUCheckForText(CUStyleSheet *sheet, uint32_t firstId, uint32_t lastId, uint32_t options,
                                          CHHandle h) {
    return qrv::gather::first_text_id(sheet, firstId, lastId, options, h);
}
