// List styles: the level records of one list style cached in the sheet, and
// the records handed to a paragraph's list level.
#include "styles/sheet.hpp"

#include "chunk/walk.hpp"

#include <qrvex/navigate.h>

#include <cstring>

namespace qrv::styles {

namespace {

using chunk::ForwardWalk;

bool is_level_item(const CHItem &item) {
    return item.type == CH_ITEM_LIST_LEVEL_DATA && (item.data1 & 0xFFFF) < CU_LIST_LEVELS;
}

// The level items inside a list style's definition, from the first item
// inside up to its end.  found says whether any level was read.
uint32_t read_levels(CUStyleSheet &sheet, uint32_t first_inside, uint32_t end_id, bool &found) {
    const CHHandle h = sheet.ChunkerHandle;
    ForwardWalk walk(h, first_inside);
    while (walk.position() <= end_id && walk.read()) {
        const CHItem &item = walk.item();
        if (is_level_item(item)) {
            const uint32_t result = CHGetItems(h, CH_STORE_STYLE_DATA, item.data2, sizeof(CUListLevelRecord),
                                               &sheet.ListLevels[item.data1 & 0xFFFF]);
            if (result != kOk) return result;
            found = true;
        } else if (chunk::is_tag_end(item)) {
            uint32_t after_end = CH_NO_ITEM;
            return CHNextItemId(h, CH_STORE_ITEMS, end_id, &after_end);
        }
        if (!walk.pass(chunk::is_skippable_begin(item))) break;
    }
    return walk.status() == chunk::WalkStatus::kReadFailed ? walk.chunker_result() : kOk;
}

}  // namespace

uint32_t load_list_style(CUStyleSheet &sheet, uint32_t list_style_id) {
    uint32_t first_inside = CH_NO_ITEM;
    uint32_t end_id = CH_NO_ITEM;
    bool found = false;
    uint32_t result =
        CUGetTagListChangeId(list_style_id, CH_TAG_STYLE_DEFINITION, 1, &first_inside, &end_id, sheet.ChunkerHandle);
    if (result == kOk) result = read_levels(sheet, first_inside, end_id, found);
    sheet.ListStyleId = (result == kOk && found) ? list_style_id : kNoStyle;
    return result;
}

bool range_has_put_counter(CHHandle h, uint32_t id, uint32_t limit) {
    ForwardWalk walk(h, id);
    while (walk.position() < limit && walk.read()) {
        if (walk.item().type == CH_ITEM_COUNTER_PLACEMENT) return true;
        if (!walk.advance()) break;
    }
    return false;
}

uint32_t load_list_level(CUStyleSheet &sheet, uint32_t list_style_id, uint32_t level, CUListLevelRecord &out) {
    if (level >= CU_LIST_LEVELS || list_style_id == kNoStyle) return kNotFound;
    if (sheet.ListStyleId != list_style_id && load_list_style(sheet, list_style_id) != kOk) return kNotFound;
    std::memcpy(&out, &sheet.ListLevels[level], sizeof out);
    uint32_t begin = CH_NO_ITEM;
    uint32_t end = CH_NO_ITEM;
    const uint32_t result =
        CUGetTagListChangeId(out.DefinitionKey, CH_TAG_LIST_LEVEL_DEF, 1, &begin, &end, sheet.ChunkerHandle);
    if (result != kOk) return result;
    if (!range_has_put_counter(sheet.ChunkerHandle, begin, end)) {
        out.CounterWord = 0;
        out.Numbering = CU_LIST_NUMBERING_BULLET;
    }
    return kOk;
}

}  // namespace qrv::styles

// Reads the level records of a list style into ListLevels (levels 0 to 11
// named in its definition; the others keep what they held) and sets
// ListStyleId.  0 when at least one level was read; 0 with ListStyleId -1
// when none was; otherwise ListStyleId -1 and the code of the failed tag list
// search or chunker call.  A definition that ends as the document's last item
// gives the chunker's "no next item" code.  37 for a null sheet.
extern "C" QRVAPI uint32_t CULoadListStyle(CUStyleSheet *sheet, uint32_t listStyleId) {
    if (!sheet) return qrv::styles::kNotFound;
    return qrv::styles::load_list_style(*sheet, listStyleId);
}

// Copies one level record (0 to 11) of a list style, loading the style when
// the sheet caches another.  When the level's own definition places no
// counter, the copy's counter word is 0 and its numbering a bullet (8).
// 0; 37 for a null sheet or record, a level of 12 or more, a style id of -1
// or a style that cannot be loaded; the tag list search's code when the
// level's definition cannot be found (the record is copied all the same).
extern "C" QRVAPI uint32_t CULoadListLevelStyle(CUStyleSheet *sheet, uint32_t listStyleId, uint32_t level,
                                                CUListLevelRecord *record) {
    if (!sheet || !record) return qrv::styles::kNotFound;
    return qrv::styles::load_list_level(*sheet, listStyleId, level, *record);
}

// 1 when an item of type 31 lies in [id, limit), else 0.  Tags are not
// skipped; a failed read or an id that does not grow ends the search with 0.
extern "C" QRVAPI uint32_t CURangeHasPutCounter(uint32_t id, uint32_t limit, CHHandle h) {
    return qrv::styles::range_has_put_counter(h, id, limit) ? 1 : 0;
}
