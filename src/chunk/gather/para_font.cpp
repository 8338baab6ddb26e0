// The font information in force at a paragraph.
#include "chunk/gather/gather.hpp"
#include "chunk/gather/type_set.hpp"

#include "chunk/walk.hpp"
#include "host/chunker.hpp"

#include <qrvex/gather.h>
#include <qrvex/navigate.h>

namespace qrv::gather {

namespace {

constexpr TypeSet kFontChanges{9, 28, 60, 95};
constexpr TypeSet kEndsFontWalk{45, {70, 74}, 87, 110};

bool ends_font_walk(const CHItem &item) {
    if (item.type == CH_ITEM_BREAK) return item.value == CH_BREAK_PARAGRAPH;
    if (item.type == CH_ITEM_FONT_WALK_END) return true;
    if (chunk::is_tag_end(item)) return item.value == CH_TAG_FONT_WALK_END || item.value == CH_TAG_LIST_LEVEL_DEF;
    return kEndsFontWalk.contains(item.type);
}

}  // namespace

void gather_para_font_info(CUStyleSheet *sheet, CUTextChangeInfo &text, uint32_t first_id, uint32_t last_id,
                           CHHandle h) {
    text.ChangeFlags = 0;
    CUParaChangeInfo scratch_para{};
    CUCellChangeInfo scratch_cell{};
    CHItem item{};
    uint32_t id = first_id;
    uint32_t next = CH_NO_ITEM;
    if (host::get_item(h, id, item, &next) != 0) return;
    while (next <= last_id) {
        if (ends_font_walk(item)) return;
        if (kFontChanges.contains(item.type))
            gather_changes(sheet, {scratch_para, text, scratch_cell}, item, next, CH_NO_ITEM, h);
        else if (chunk::is_skippable_begin(item))
            next = CUSkipTag(next, h);
        if (next <= id) return;
        id = next;
        if (host::get_item(h, id, item, &next) != 0) return;
    }
}

}  // namespace qrv::gather

// Gathers the font changes (font size, style, item 60, style attribute) of
// the paragraph that starts at firstId into text, whose ChangeFlags start
// at 0.  The walk ends at lastId, at a paragraph break, a cell item or the
// end of a list level definition, and at an id that does not grow.  The
// four words of room are not read.  Always 0.
extern "C" QRVAPI uint32_t CUGatherParaFontInfo(CUStyleSheet *sheet, CUTextChangeInfo *text, uint32_t firstId,
                                                uint32_t lastId, CHItem /*room*/, CHHandle h) {
    if (text) qrv::gather::gather_para_font_info(sheet, *text, firstId, lastId, h);
    return 0;
}
