// Items that apply a style, or take one attribute from a style.
#include "chunk/gather/char_attributes.hpp"
#include "chunk/gather/fonts.hpp"
#include "chunk/gather/handlers.hpp"

#include "host/chunker.hpp"
#include "styles/inherit.hpp"
#include "styles/load.hpp"

#include <cstring>

namespace qrv::gather {

namespace {

using styles::LoadedStyle;

constexpr uint32_t kModifierInverts = 4;

struct AppliedStyle {
    const CUStyleSlot *slot;
    uint32_t index;
    uint32_t id;
    uint32_t kind;
};

// Loads the style an item names (or, inside a style's definition, asks the
// loader for it).  False with result 0 when the style is refused (a style
// under way that cannot be handed out): the item is then ignored.
bool load_named_style(Walk &w, uint32_t style_id, uint32_t para_style_id, AppliedStyle &style, uint32_t &result) {
    if (!w.sheet) {
        result = styles::kNotFound;
        return false;
    }
    LoadedStyle loaded;
    result = w.loader ? w.loader->hand_out(style_id, para_style_id, loaded)
                      : styles::load_style(*w.sheet, style_id, para_style_id, loaded);
    if (result == styles::kStyleRefused) {
        result = 0;
        return false;
    }
    if (result != 0) return false;
    const CUStyleEntry &entry = styles::entry_of(*w.sheet, loaded);
    style = {loaded.slot, loaded.index, entry.Id, entry.Kind};
    return true;
}

void reset_text(CUTextChangeInfo &text, uint32_t flags, uint32_t style_id) {
    std::memset(&text, 0, sizeof text);
    text.ChangeFlags = flags;
    text.StyleId = style_id;
}

void reset_para(CUParaChangeInfo &para, uint32_t style_id) {
    std::memset(&para, 0, sizeof para);
    para.ChangeFlags = CU_PARA_CHANGED_STYLE;
    para.StyleId = style_id;
}

void apply_paragraph_style(Walk &w, const AppliedStyle &style) {
    CUParaChangeInfo &p = w.para();
    reset_para(p, style.id);
    p.ListStyleIndex = -1;
    CHPrevItemId(w.h, CH_STORE_ITEMS, w.pointed_id, &p.StyleItemId);
    styles::take_paragraph_settings(style.slot->Para, p);
}

void apply_character_or_paragraph_style(Walk &w, const AppliedStyle &style) {
    const uint32_t max_font_size = w.para().MaxFontSize;
    std::memset(&w.cell(), 0, sizeof w.cell());
    reset_text(w.text(), CU_TEXT_CHANGED_STYLE, style.id);
    if (style.kind == CU_STYLE_KIND_PARAGRAPH) apply_paragraph_style(w, style);
    const CUTextChangeInfo &from = style.slot->Text;
    if (from.FontSize > max_font_size) w.para().MaxFontSize = from.FontSize;
    if (from.Item25Value != w.text().Item25Value) {
        w.text().Item25Value = from.Item25Value;
        w.text().ChangeFlags |= CU_TEXT_CHANGED_ITEM_25;
    }
    styles::take_fonts(from, w.text());
}

void apply_list_style(Walk &w, const AppliedStyle &style) {
    CUParaChangeInfo &p = w.para();
    p.ListStyleIndex = static_cast<int32_t>(style.index);
    if (style.slot->Para.ListFlags != 0) p.ListFlags = style.slot->Para.ListFlags;
    p.ChangeFlags = (p.ChangeFlags & ~CU_PARA_CHANGED_LIST_TABS) | CU_PARA_CHANGED_LIST_STYLE;
}

// --- Single attributes taken from a style (item 95) -------------------------

using TakeField = void (*)(const CUTextChangeInfo &from, Walk &w);

struct StyleField {
    uint32_t code;
    TakeField take;
    uint32_t flag;
};

constexpr StyleField kStyleFields[] = {
    {23,
     [](const CUTextChangeInfo &f, Walk &w) {
         w.text().FontSize = f.FontSize;
         raise_max_font_size(w.para(), f.FontSize);
     },
     CU_TEXT_CHANGED_FONT_SIZE},
    {24,
     [](const CUTextChangeInfo &f, Walk &w) {
         w.text().FontId[0] = f.FontId[0];
         look_up_font(w.text(), 0, f.FontId[0], w.h);
     },
     CU_TEXT_CHANGED_FONT},
    {25, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item60Data1 = f.Item60Data1; }, CU_TEXT_CHANGED_ITEM_60},
    {262, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item60Data1 = f.Item60Data1; }, CU_TEXT_CHANGED_ITEM_60},
    {26, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item61Data1 = f.Item61Data1; }, CU_TEXT_CHANGED_ITEM_61},
    {27, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item62Data1 = f.Item62Data1; }, CU_TEXT_CHANGED_ITEM_62},
    {28, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item63Value = f.Item63Value; },
     CU_TEXT_CHANGED_ATTR_4_ITEM_63},
    {30, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item64Value = f.Item64Value; }, 0},
    {31, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item65Value = f.Item65Value; }, CU_TEXT_CHANGED_ITEM_65},
    {32, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item25Value = f.Item25Value; }, CU_TEXT_CHANGED_ITEM_25},
    {37, [](const CUTextChangeInfo &f, Walk &w) { w.text().Item94Value = f.Item94Value; }, CU_TEXT_CHANGED_ITEM_94},
};

constexpr uint32_t kAllCharacterAttributes = 33;
constexpr uint32_t kAllParagraphAttributes = 34;

bool take_char_attribute(Walk &w, const CUTextChangeInfo &from) {
    const CharAttribute *a = find_char_attribute(w.item.value);
    if (!a || !a->taken_from_style) return false;
    const uint16_t value = from.*(a->field);
    w.text().*(a->field) = w.item.data2 == kModifierInverts ? (value == 0 ? 1 : 0) : value;
    w.text().ChangeFlags |= a->flag;
    return true;
}

bool take_style_field(Walk &w, const CUTextChangeInfo &from) {
    for (const StyleField &field : kStyleFields) {
        if (field.code != w.item.value) continue;
        w.text().ChangeFlags |= field.flag;
        field.take(from, w);
        return true;
    }
    return false;
}

void take_all_character_attributes(Walk &w, const AppliedStyle &style) {
    const CUTextChangeInfo &from = style.slot->Text;
    const uint32_t item25 = from.Item25Value;
    reset_text(w.text(), CU_TEXT_CHANGED_STYLE | CU_TEXT_CHANGED_ITEM_25, style.id);
    w.text().Item25Value = item25;
    styles::take_fonts(from, w.text());
}

}  // namespace

uint32_t on_style(Walk &w) {
    AppliedStyle style{};
    uint32_t result = 0;
    if (!load_named_style(w, w.item.data1, w.para().StyleId, style, result)) return result;
    switch (style.kind) {
    case CU_STYLE_KIND_CHARACTER:
    case CU_STYLE_KIND_PARAGRAPH: apply_character_or_paragraph_style(w, style); break;
    case CU_STYLE_KIND_LIST: apply_list_style(w, style); break;
    default: break;
    }
    return 0;
}

// value is the attribute code, data1 the style, data2 a modifier (4 takes
// the opposite of the style's on/off attribute).
uint32_t on_style_attribute(Walk &w) {
    AppliedStyle style{};
    uint32_t result = 0;
    if (!load_named_style(w, w.item.data1, w.para().StyleId, style, result)) return result;
    const CUTextChangeInfo &from = style.slot->Text;
    if (take_char_attribute(w, from) || take_style_field(w, from)) return 0;
    if (w.item.value == kAllCharacterAttributes)
        take_all_character_attributes(w, style);
    else if (w.item.value == kAllParagraphAttributes)
        reset_para(w.para(), style.id);
    return 0;
}

// A spreadsheet cell with a style (value bit 0) resets both records to it.
uint32_t on_styled_cell(Walk &w) {
    if (!(w.item.value & 1u)) return 0;
    AppliedStyle style{};
    uint32_t result = 0;
    if (!load_named_style(w, w.item.data1, w.item.data1, style, result)) return result;
    reset_text(w.text(), CU_TEXT_CHANGED_STYLE, style.id);
    reset_para(w.para(), style.id);
    return 0;
}

}  // namespace qrv::gather
