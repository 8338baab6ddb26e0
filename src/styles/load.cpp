// Loading a style: its definition's record, the style it is based on, and
// the definition's own attribute items gathered into the style's slot.
#include "styles/load.hpp"

#include "chunk/gather/gather.hpp"
#include "chunk/gather/type_set.hpp"
#include "chunk/walk.hpp"
#include "styles/definition.hpp"
#include "styles/inherit.hpp"

#include <qrvex/navigate.h>

#include <cstring>

namespace qrv::styles {

namespace {

constexpr uint32_t kTagsSkippedInDefinition = CH_TAG_STYLE_SKIP_MASK;

uint16_t outline_level_of(const CUParaChangeInfo &para) {
    return static_cast<uint16_t>(para.Item137Value + 1);
}

bool is_cached(const CUStyleEntry &entry, const CUStyleSlot &slot, uint32_t para_style_id) {
    if (!slot.Loaded || entry.Kind == CU_STYLE_KIND_LIST) return false;
    return entry.ListSeen == 0 || slot.ParaStyleId == para_style_id;
}

// The item types a definition hands to the change walk.
constexpr gather::TypeSet kDefinitionChanges{8, 9, 10, 12, 13, 14, {20, 23}, 25, 28, 30, {56, 65}, 93, 94, 95,
                                             {97, 103}, 119, 137, 147, 148, {150, 154}};

// Takes the record's fields into the entry; returns the parent to load.
uint32_t take_record(CUStyleSheet &sheet, uint32_t index, const CUStyleRecord &record, uint32_t para_style_id) {
    CUStyleEntry &entry = entry_at(sheet, index);
    const bool known_list_style = entry.Kind == CU_STYLE_KIND_LIST;
    entry.ParentId = (known_list_style && record.ParentId == kNoStyle) ? para_style_id : record.ParentId;
    entry.Kind = record.Kind;
    entry.PredefinedType = record.PredefinedType;
    entry.NameItemId = record.NameItemId;
    if (entry.PredefinedType == 0)
        entry.PredefinedType = heading_level_of_name(sheet.ChunkerHandle, entry.NameItemId);
    return entry.ParentId;
}

void inherit(CUStyleSheet &sheet, uint32_t index, const CUStyleSlot &parent, CUStyleSlot &slot) {
    take_list_settings(parent.Para, slot.Para);
    take_list_level_info(parent.Para, slot.Para);
    if (parent.Text.ChangeFlags & CU_TEXT_CHANGED_ITEM_25) {
        slot.Text.Item25Value = parent.Text.Item25Value;
        slot.Text.ChangeFlags |= CU_TEXT_CHANGED_ITEM_25;
    }
    take_tab_stops(parent.Para, slot.Para);
    take_item88_value(parent.Para, slot.Para);
    take_fonts(parent.Text, slot.Text);
    if (parent.Para.ChangeFlags & CU_PARA_CHANGED_ITEM_137)
        entry_at(sheet, index).OutlineLevel = outline_level_of(parent.Para);
}

// Loads the parent and inherits from it.  A parent whose load is refused
// (a cycle, or too deep) is taken as absent.
uint32_t load_parent(CUStyleSheet &sheet, uint32_t index, uint32_t parent_id, uint32_t para_style_id,
                     LoadChain &chain, CUStyleSlot &slot) {
    if (parent_id == kNoStyle) return kOk;
    LoadedStyle parent;
    const uint32_t result = load_style(sheet, parent_id, para_style_id, chain, parent);
    if (result == kStyleRefused) return kOk;
    if (result != kOk) return result;
    inherit(sheet, index, *parent.slot, slot);
    return kOk;
}

// The definition's own items, from the first inside to the first tag end.
uint32_t gather_definition(CUStyleSheet &sheet, uint32_t index, const StyleDefinition &definition,
                           LoadChain &chain, CUStyleSlot &slot) {
    const CHHandle h = sheet.ChunkerHandle;
    gather::Records records{slot.Para, slot.Text, slot.Cell};
    chunk::ForwardWalk walk(h, definition.first_inside_id);
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (chunk::is_tag_end(item)) break;
        if (kDefinitionChanges.contains(item.type)) {
            uint32_t next = walk.next_id();
            gather::gather_changes(&sheet, records, item, next, definition.end_id, h, chain);
            if (next <= walk.item_id()) break;
            walk = chunk::ForwardWalk(h, next);
            continue;
        }
        if (item.type == CH_ITEM_LIST_LEVEL_DATA && item.value == 10) {
            const uint32_t result = CHGetItems(h, CH_STORE_STYLE_DATA, item.data2, sizeof slot.Para.ListLevelInfo,
                                               slot.Para.ListLevelInfo);
            if (result != kOk) return result;
            if (entry_at(sheet, index).Kind != CU_STYLE_KIND_LIST) slot.Para.ListFlags |= 1u;
        }
        const bool skip = chunk::is_tag_begin(item) && (item.value & kTagsSkippedInDefinition) != 0;
        if (!walk.pass(skip)) break;
    }
    return kOk;
}

// A definition whose tag begin or record cannot be read: the slot is the
// default state, marked loaded.  We do not go on with the parent or the
// items of an earlier load: what the document says about the style is
// unknown, and the default is the state of a style without definition.
void take_default(CUStyleSheet &sheet, CUStyleSlot &slot) {
    std::memcpy(&slot, &sheet.DefaultSlot, sizeof slot);
    slot.Loaded = 1;
}

}  // namespace

uint32_t load_style(CUStyleSheet &sheet, uint32_t style_id, uint32_t para_style_id, LoadChain &chain,
                    LoadedStyle &out) {
    if (!chain.admits(style_id)) return kStyleRefused;
    if (const uint32_t result = ensure_slot_array(sheet); result != kOk) return result;
    uint32_t index = 0;
    if (const uint32_t result = number_style(sheet, style_id, index); result != kOk) return result;
    out.index = index;
    CUStyleSlot &slot = *slot_for(sheet, entry_at(sheet, index).SlotNumber);
    out.slot = &slot;
    if (is_cached(entry_at(sheet, index), slot, para_style_id)) return kOk;

    const CHHandle h = sheet.ChunkerHandle;
    StyleDefinition definition;
    if (find_definition(h, style_id, definition) != kOk) {
        out.slot = &sheet.DefaultSlot;
        return kOk;
    }
    CUStyleRecord record{};
    if (read_style_record(h, definition, record) != kOk) {
        take_default(sheet, slot);
        return kOk;
    }
    LoadChain::Link link(chain, style_id);
    if (entry_at(sheet, index).Kind == CU_STYLE_KIND_LIST) entry_at(sheet, index).ListSeen = 1;
    std::memcpy(&slot, &sheet.DefaultSlot, sizeof slot);
    const uint32_t parent_id = take_record(sheet, index, record, para_style_id);
    if (const uint32_t result = load_parent(sheet, index, parent_id, para_style_id, chain, slot); result != kOk)
        return result;
    slot.Loaded = 1;
    if (const uint32_t result = gather_definition(sheet, index, definition, chain, slot); result != kOk)
        return result;
    if (slot.Para.ChangeFlags & CU_PARA_CHANGED_ITEM_137)
        entry_at(sheet, index).OutlineLevel = outline_level_of(slot.Para);
    return kOk;
}

}  // namespace qrv::styles

// Loads a style into its slot and hands out the slot and the style's index
// in the style table.  paraStyleId is the paragraph style in force.  A
// character or paragraph style stays cached in its slot until the rotation
// gives the slot away; a list style is read again on every call.
// Results: 0; 37 for a null sheet or out-pointer; 15 for a sheet made
// without slots and 13 when the slot array or the style table cannot be had
// (nothing is handed out then, and nothing changes); the chunker's
// code when a list level item of the definition cannot be read; a parent's
// failure.  A style without definition hands out DefaultSlot with 0.
// Our choices where the behaviour was open: a style based on itself, or a
// cycle of styles, loads with the repeated style taken as absent (no parent
// inherited, no style item applied); the same holds beyond 32 nested loads.
// A definition whose tag begin or record cannot be read gives the default
// state, marked loaded, with result 0.
extern "C" QRVAPI uint32_t CULoadStyle(CUStyleSheet *sheet, uint32_t styleId, uint32_t paraStyleId,
                                       CUStyleSlot **pSlot, uint32_t *pStyleIndex) {
    using namespace qrv::styles;
    if (!sheet || !pSlot || !pStyleIndex) return kNotFound;
    LoadChain chain;
    LoadedStyle loaded;
    const uint32_t result = load_style(*sheet, styleId, paraStyleId, chain, loaded);
    if (loaded.slot) {
        *pStyleIndex = loaded.index;
        *pSlot = loaded.slot;
    }
    return result;
}
