// Character attribute items and fonts.
#include "chunk/gather/char_attributes.hpp"
#include "chunk/gather/fonts.hpp"
#include "chunk/gather/handlers.hpp"

namespace qrv::gather {

namespace {

constexpr uint32_t kMaxFontSlot = CU_FONT_SLOTS - 1;

bool value_bit0_clear(const CHItem &item) { return (item.value & 1u) == 0; }

}  // namespace

void raise_max_font_size(CUParaChangeInfo &para, uint16_t size) {
    if (size > para.MaxFontSize) para.MaxFontSize = size;
}

uint32_t on_char_attribute(Walk &w) {
    if (w.item.data1 > 1) return 0;
    const CharAttribute *attribute = find_char_attribute(w.item.value);
    if (!attribute) return 0;
    w.text().*(attribute->field) = static_cast<uint16_t>(w.item.data1);
    w.text().ChangeFlags |= attribute->flag;
    return 0;
}

uint32_t on_font_size(Walk &w) {
    w.text().FontSize = static_cast<uint16_t>(w.item.value);
    w.text().ChangeFlags |= CU_TEXT_CHANGED_FONT_SIZE;
    raise_max_font_size(w.para(), w.text().FontSize);
    return 0;
}

uint32_t on_font(Walk &w) {
    w.text().FontId[0] = static_cast<uint16_t>(w.item.value);
    w.text().ChangeFlags |= CU_TEXT_CHANGED_FONT;
    look_up_font(w.text(), 0, w.item.value, w.h);
    return 0;
}

uint32_t on_multi_font(Walk &w) {
    const uint32_t slot = w.item.data1;
    if (slot > kMaxFontSlot) return 0;
    w.text().MultiFont = 1;
    w.text().FontId[slot] = static_cast<uint16_t>(w.item.value);
    look_up_font(w.text(), slot, w.item.value, w.h);
    return 0;
}

uint32_t on_item60(Walk &w) {
    if (!value_bit0_clear(w.item)) return 0;
    w.text().Item60Data1 = w.item.data1;
    w.text().ChangeFlags |= CU_TEXT_CHANGED_ITEM_60;
    return 0;
}

uint32_t on_item61(Walk &w) {
    if (!value_bit0_clear(w.item)) return 0;
    w.text().Item61Data1 = w.item.data1;
    w.text().ChangeFlags |= CU_TEXT_CHANGED_ITEM_61;
    return 0;
}

uint32_t on_item62(Walk &w) {
    w.text().Item62Data1 = static_cast<uint16_t>(w.item.data1);
    w.text().Item62Value = static_cast<uint16_t>(w.item.value);
    w.text().ChangeFlags |= CU_TEXT_CHANGED_ITEM_62;
    return 0;
}

uint32_t on_item64(Walk &w) {
    w.text().Item64Value = w.item.value != 0 ? static_cast<uint16_t>(w.item.data1) : 0;
    return 0;
}

uint32_t on_item94(Walk &w) {
    const auto amount = static_cast<int16_t>(w.item.data1);
    w.text().Item94Value = value_bit0_clear(w.item) ? amount : static_cast<int16_t>(-amount);
    w.text().ChangeFlags |= CU_TEXT_CHANGED_ITEM_94;
    return 0;
}

}  // namespace qrv::gather
