// Loading a style: its definition's record, the style it is based on, and
// the definition's own attribute items gathered into the style's slot.
//
// Every load the first one leads to is a frame on the loader's stack.  The
// loop works on the top frame until it is done, and a frame that needs
// another style (its parent, or a style its definition applies) begins that
// style's load and waits: the style's answer (result, slot, index) is there
// when the frame is next worked on.  A change walk inside a definition that
// meets a style item stops at the item, and is run on from it once the
// style's answer is in.
#include "styles/load.hpp"

#include "chunk/gather/type_set.hpp"
#include "chunk/walk.hpp"
#include "styles/inherit.hpp"

#include <qrvex/navigate.h>

#include <cstring>

namespace qrv::styles {

namespace {

constexpr uint32_t kTagsSkippedInDefinition = CH_TAG_STYLE_SKIP_MASK;

uint16_t outline_level_of(const CUParaChangeInfo &para) { return static_cast<uint16_t>(para.Item137Value + 1); }

bool is_cached(const CUStyleEntry &entry, const CUStyleSlot &slot, uint32_t para_style_id) {
    if (!slot.Loaded || entry.Kind == CU_STYLE_KIND_LIST) return false;
    return entry.ListSeen == 0 || slot.ParaStyleId == para_style_id;
}

// The item types a definition hands to the change walk.
constexpr gather::TypeSet kDefinitionChanges{8,        9,  10, 12, 13,        14,  {20, 23}, 25,  28,  30,
                                             {56, 65}, 93, 94, 95, {97, 103}, 119, 137,      147, 148, {150, 154}};

// Takes the record's fields into the entry; returns the parent to load.
uint32_t take_record(CUStyleSheet &sheet, uint32_t index, const CUStyleRecord &record, uint32_t para_style_id) {
    CUStyleEntry &entry = entry_at(sheet, index);
    const bool known_list_style = entry.Kind == CU_STYLE_KIND_LIST;
    entry.ParentId = (known_list_style && record.ParentId == kNoStyle) ? para_style_id : record.ParentId;
    entry.Kind = record.Kind;
    entry.PredefinedType = record.PredefinedType;
    entry.NameItemId = record.NameItemId;
    if (entry.PredefinedType == 0) entry.PredefinedType = heading_level_of_name(sheet.ChunkerHandle, entry.NameItemId);
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

// A definition whose tag begin or record cannot be read: the slot is the
// default state, marked loaded.  We do not go on with the parent or the
// items of an earlier load: what the document says about the style is
// unknown, and the default is the state of a style without definition.
void take_default(CUStyleSheet &sheet, CUStyleSlot &slot) {
    std::memcpy(&slot, &sheet.DefaultSlot, sizeof slot);
    slot.Loaded = 1;
}

}  // namespace

uint32_t Loader::load(uint32_t style_id, uint32_t para_style_id, LoadedStyle &out) {
    begin(style_id, para_style_id, Role::kApplied);
    while (frames_.depth() > 0) advance();
    out = answer_.loaded;
    answered_ = false;
    return answer_.result;
}

uint32_t Loader::hand_out(uint32_t style_id, uint32_t para_style_id, LoadedStyle &out) {
    Answer answer{};
    if (take_answer(style_id, answer)) {
        out = answer.loaded;
        return answer.result;
    }
    asked_style_ = style_id;
    asked_para_style_ = para_style_id;
    return kStyleDeferred;
}

void Loader::answer_with(uint32_t style_id, uint32_t result, LoadedStyle loaded) {
    answer_ = {style_id, result, loaded};
    answered_ = true;
}

bool Loader::take_answer(uint32_t style_id, Answer &answer) {
    if (!answered_ || answer_.style_id != style_id) return false;
    answered_ = false;
    answer = answer_;
    return true;
}

// Steps 1 to 9 of a load: the slot, the cache, the definition and its
// record.  Either answers at once or pushes the style's frame.
void Loader::begin(uint32_t style_id, uint32_t para_style_id, Role role) {
    if (const uint32_t result = ensure_slot_array(sheet_); result != kOk) return answer_with(style_id, result);
    uint32_t index = 0;
    if (const uint32_t result = number_style(sheet_, style_id, index); result != kOk)
        return answer_with(style_id, result);
    if (frames_.holds_style(index)) return answer_under_way(style_id, index, para_style_id, role);
    CUStyleSlot &slot = *slot_for(sheet_, entry_at(sheet_, index).SlotNumber);
    if (is_cached(entry_at(sheet_, index), slot, para_style_id)) return answer_with(style_id, kOk, {&slot, index});

    const CHHandle h = sheet_.ChunkerHandle;
    StyleDefinition definition;
    if (find_definition(h, style_id, definition) != kOk)
        return answer_with(style_id, kOk, {&sheet_.DefaultSlot, index});
    CUStyleRecord record{};
    if (read_style_record(h, definition, record) != kOk) {
        take_default(sheet_, slot);
        return answer_with(style_id, kOk, {&slot, index});
    }
    if (entry_at(sheet_, index).Kind == CU_STYLE_KIND_LIST) entry_at(sheet_, index).ListSeen = 1;
    std::memcpy(&slot, &sheet_.DefaultSlot, sizeof slot);
    const uint32_t parent_id = take_record(sheet_, index, record, para_style_id);
    LoadFrame frame{};
    frame.style_id = style_id;
    frame.para_style_id = para_style_id;
    frame.index = index;
    frame.parent_id = parent_id;
    frame.slot = &slot;
    frame.definition = definition;
    frame.phase = LoadPhase::kStart;
    if (!frames_.push(frame)) answer_with(style_id, kNoMemory, {&slot, index});
}

// A style asked for again while its load is under way.  It keeps its slot
// unless the rotation gave the slot away.
void Loader::answer_under_way(uint32_t style_id, uint32_t index, uint32_t para_style_id, Role role) {
    const CUStyleEntry &entry = entry_at(sheet_, index);
    if (entry.SlotNumber < sheet_.SlotCount) {
        CUStyleSlot &slot = sheet_.SlotArray[entry.SlotNumber];
        if (role == Role::kApplied || is_cached(entry, slot, para_style_id))
            return answer_with(style_id, kOk, {&slot, index});
    }
    answer_with(style_id, kStyleRefused);
}

void Loader::advance() {
    LoadFrame &frame = frames_.top();
    switch (frame.phase) {
    case LoadPhase::kStart:
        if (frame.parent_id == kNoStyle) {
            frame.slot->Loaded = 1;
            frame.phase = LoadPhase::kWalk;
            frame.walk_id = frame.definition.first_inside_id;
            return;
        }
        frame.phase = LoadPhase::kInherit;
        return begin(frame.parent_id, frame.para_style_id, Role::kParent);
    case LoadPhase::kInherit: return take_parent();
    case LoadPhase::kWalk: return walk_definition();
    }
}

// Step 10's inheritance, once the parent's answer is in: a refused parent
// is taken as absent, a failed one ends this load with its code.
void Loader::take_parent() {
    LoadFrame &frame = frames_.top();
    Answer parent{};
    if (take_answer(frame.parent_id, parent) && parent.result != kStyleRefused) {
        if (parent.result != kOk) return finish(parent.result);
        inherit(sheet_, frame.index, *parent.loaded.slot, *frame.slot);
    }
    frame.slot->Loaded = 1;
    frame.phase = LoadPhase::kWalk;
    frame.walk_id = frame.definition.first_inside_id;
}

// Runs the frame's change walk on; false when it stopped at a style item
// (the style's load has begun: the frame waits, and no reference to it may
// be used afterwards).
bool Loader::run_changes_of(LoadFrame &frame) {
    CUStyleSlot &slot = *frame.slot;
    const uint32_t result =
        gather::run_changes(&sheet_, {slot.Para, slot.Text, slot.Cell}, frame.changes, sheet_.ChunkerHandle, this);
    if (result != kStyleDeferred) {
        frame.in_changes = false;
        return true;
    }
    begin(asked_style_, asked_para_style_, Role::kApplied);
    return false;
}

// Step 12: the definition's items up to the first tag end or failed read.
// A change walk's own result is not looked at; the definition goes on at
// the id it leaves.
void Loader::walk_definition() {
    LoadFrame &frame = frames_.top();
    const CHHandle h = sheet_.ChunkerHandle;
    if (frame.in_changes) {
        if (!run_changes_of(frame)) return;
        if (frame.changes.pointed_id <= frame.changes_from_id) return finish(kOk);
        frame.walk_id = frame.changes.pointed_id;
    }
    chunk::ForwardWalk walk(h, frame.walk_id);
    while (walk.read()) {
        const CHItem &item = walk.item();
        if (chunk::is_tag_end(item)) break;
        if (kDefinitionChanges.contains(item.type)) {
            frame.changes = gather::start_changes(item, walk.next_id(), frame.definition.end_id);
            frame.changes_from_id = walk.item_id();
            frame.in_changes = true;
            if (!run_changes_of(frame)) return;
            if (frame.changes.pointed_id <= walk.item_id()) break;
            walk = chunk::ForwardWalk(h, frame.changes.pointed_id);
            continue;
        }
        if (item.type == CH_ITEM_LIST_LEVEL_DATA && item.value == 10) {
            CUParaChangeInfo &para = frame.slot->Para;
            const uint32_t result =
                CHGetItems(h, CH_STORE_STYLE_DATA, item.data2, sizeof para.ListLevelInfo, para.ListLevelInfo);
            if (result != kOk) return finish(result);
            if (entry_at(sheet_, frame.index).Kind != CU_STYLE_KIND_LIST) para.ListFlags |= 1u;
        }
        const bool skip = chunk::is_tag_begin(item) && (item.value & kTagsSkippedInDefinition) != 0;
        if (!walk.pass(skip)) break;
    }
    finish(kOk);
}

// Step 13, or a failure: the frame's answer goes to the frame below (or to
// the caller).
void Loader::finish(uint32_t result) {
    const LoadFrame frame = frames_.top();
    frames_.pop();
    if (result == kOk && (frame.slot->Para.ChangeFlags & CU_PARA_CHANGED_ITEM_137))
        entry_at(sheet_, frame.index).OutlineLevel = outline_level_of(frame.slot->Para);
    answer_with(frame.style_id, result, {frame.slot, frame.index});
}

}  // namespace qrv::styles

// Loads a style into its slot and hands out the slot and the style's index
// in the style table.  paraStyleId is the paragraph style in force.  A
// character or paragraph style stays cached in its slot until the rotation
// gives the slot away; a list style is read again on every call.  Chains of
// based-on styles, and of styles whose definitions apply further styles,
// load at any depth a document holds.
// Results: 0; 37 for a null sheet or out-pointer; 15 for a sheet made
// without slots and 13 when the slot array or the style table cannot be had
// (nothing is handed out then, and nothing changes); 13 also when the loads
// under way cannot be kept; the chunker's code when a list level item of the
// definition cannot be read; a parent's failure.  A style without definition
// hands out DefaultSlot with 0.
// Our choices where the behaviour was open: a style is never loaded again
// while its load is under way.  Its slot is marked loaded before its items
// are gathered, so a definition that applies itself, or a style whose load
// is under way, applies it as gathered so far (a list style too); a based-on
// chain that comes back to a style being loaded takes that parent as absent,
// unless the slot cache hands it out as it stands.  A definition whose tag
// begin or record cannot be read gives the default state, marked loaded,
// with result 0.
extern "C" QRVAPI uint32_t CULoadStyle(CUStyleSheet *sheet, uint32_t styleId, uint32_t paraStyleId, CUStyleSlot **pSlot,
                                       uint32_t *pStyleIndex) {
    using namespace qrv::styles;
    if (!sheet || !pSlot || !pStyleIndex) return kNotFound;
    LoadedStyle loaded;
    const uint32_t result = load_style(*sheet, styleId, paraStyleId, loaded);
    if (loaded.slot) {
        *pStyleIndex = loaded.index;
        *pSlot = loaded.slot;
    }
    return result;
}
