// Paragraph values and indents.
#include "chunk/gather/handlers.hpp"

#include "host/chunker.hpp"

#include <cstring>

namespace qrv::gather {

namespace {

constexpr uint32_t kIndentAddsBit = 0x4;
constexpr uint32_t kIndentAbsoluteBit = 0x2;

uint16_t low16(uint32_t v) { return static_cast<uint16_t>(v); }

// Items 58 and 59: value 1 copies a block of store 3 into the record, any
// other value clears it.  A block that cannot be locked changes nothing.
template <size_t N>
void take_block(Walk &w, uint8_t (&data)[N], uint32_t flag) {
    if (w.item.value != 1) {
        std::memset(data, 0, N);
        w.para().ChangeFlags &= ~flag;
        return;
    }
    host::LockedRange block(w.h, CH_STORE_STYLE_DATA, w.item.data1, N);
    if (!block.ok()) return;
    std::memcpy(data, block.data(), N);
    block.release();
    w.para().ChangeFlags |= flag;
}

}  // namespace

uint32_t on_indents(Walk &w) {
    CUParaChangeInfo &p = w.para();
    p.Indent0 = low16(w.item.value);
    p.Indent1 = low16(w.item.data1);
    p.Indent2 = low16(w.item.data2 - w.item.value);
    p.ChangeFlags |= CU_PARA_CHANGED_INDENT0 | CU_PARA_CHANGED_INDENT2 | CU_PARA_CHANGED_INDENT1;
    return 0;
}

uint32_t on_item14(Walk &w) {
    if (w.item.value == 1) return 0;
    w.para().Item14Value = low16(w.item.value);
    w.para().Item14Data1 = w.item.data1;
    w.para().ChangeFlags |= CU_PARA_CHANGED_ITEM_14;
    return 0;
}

uint32_t on_item58(Walk &w) {
    take_block(w, w.para().Item58Data, CU_PARA_CHANGED_ITEM_58);
    return 0;
}

uint32_t on_item59(Walk &w) {
    take_block(w, w.para().Item59Data, CU_PARA_CHANGED_ITEM_59);
    return 0;
}

uint32_t on_item88(Walk &w) {
    w.para().Item88Value = low16(w.item.value);
    w.para().Item88Data1 = low16(w.item.data1);
    w.para().Item88Data2 = static_cast<uint8_t>(w.item.data2);
    return 0;
}

// value picks the indent; data1 bit 2 adds the amount (data2), bit 1 sets
// the third indent as given rather than measured from the first.
uint32_t on_indent_change(Walk &w) {
    CUParaChangeInfo &p = w.para();
    const uint16_t amount = low16(w.item.data2);
    const bool adds = (w.item.data1 & kIndentAddsBit) != 0;
    switch (w.item.value) {
    case 0:
        p.Indent0 = adds ? low16(p.Indent0 + amount) : amount;
        p.ChangeFlags |= CU_PARA_CHANGED_INDENT0;
        break;
    case 1:
        p.Indent1 = adds ? low16(p.Indent1 + amount) : amount;
        p.ChangeFlags |= CU_PARA_CHANGED_INDENT1;
        break;
    case 2:
        if (adds)
            p.Indent2 = low16(p.Indent2 + amount);
        else if (w.item.data1 & kIndentAbsoluteBit)
            p.Indent2 = amount;
        else
            p.Indent2 = low16(amount - p.Indent0);
        p.ChangeFlags |= CU_PARA_CHANGED_INDENT2;
        break;
    default: break;
    }
    return 0;
}

uint32_t on_item98(Walk &w) {
    w.para().Item98Value = low16(w.item.value);
    w.para().Item98Data1 = w.item.data1;
    w.para().ChangeFlags |= CU_PARA_CHANGED_ITEM_98;
    return 0;
}

uint32_t on_item99(Walk &w) {
    w.para().Item99Value = low16(w.item.value);
    w.para().Item99Data1 = w.item.data1;
    w.para().ChangeFlags |= CU_PARA_CHANGED_ITEM_99;
    return 0;
}

}  // namespace qrv::gather
