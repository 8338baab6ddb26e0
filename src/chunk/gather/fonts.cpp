#include "chunk/gather/fonts.hpp"

#include <qrvex/properties.h>

#include <cstring>

namespace qrv::gather {

void look_up_font(CUTextChangeInfo &text, uint32_t slot, uint32_t font_id, CHHandle h) {
    CUPropertyString found{};
    uint16_t attribute = 0;
    uint32_t length = CUMapFontIdToName(font_id, &found, &attribute, h);
    if (length == 0) return;
    // A name of 80 characters or more fills the slot without a terminator.
    if (length > CU_FONT_NAME_CHARS) length = CU_FONT_NAME_CHARS;
    std::memcpy(text.FontName[slot], found.Chars, length * sizeof(QRVWCHAR));
    if (length < CU_FONT_NAME_CHARS) text.FontName[slot][length] = 0;
    text.FontInfo[slot] = found.Data;
}

}  // namespace qrv::gather
