// Looking up a font's name by its id in the font store (store 12).
#include "chunk/walk.hpp"

#include <qrvex/properties.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kMaxNameChars = CU_PROPERTY_CHARS - 1;

// Copies the font's name and, on success, its value; false when the copy
// failed.  An empty name is a successful copy of no characters.
bool copy_font_name(CHHandle h, const CHFontRecord &font, CUPropertyString &ps, uint16_t &length) {
    length = static_cast<uint16_t>(std::min(font.NameLength, kMaxNameChars));
    if (length > 0 && CHGetItems(h, CH_STORE_STRINGS, font.NameId, length, ps.Chars) != 0) return false;
    ps.Chars[length] = 0;
    ps.Data = font.FontValue;
    return true;
}

}  // namespace

// Finds the font whose id is fontId and copies its name (at most 511
// characters, zero after) into ps->Chars, its value into ps->Data and the
// low 16 bits of its attribute word into *pFontAttribute.  Returns the
// name's length; 0 when no font has that id or the fonts cannot be read.
// Chars is zeroed first (Data is not).  When a name cannot be copied the
// search goes on with the next font; the attribute has then already been
// written.  A font with an empty name is found all the same: 0, with its
// attribute and value, and the search ends there.
extern "C" QRVAPI uint16_t CUMapFontIdToName(uint32_t fontId, CUPropertyString *ps, uint16_t *pFontAttribute,
                                             CHHandle h) {
    if (!ps) return 0;
    std::memset(ps->Chars, 0, sizeof ps->Chars);
    uint32_t count = 0;
    uint32_t id = qrv::chunk::kNoItem;
    if (CHGetItemCount(h, CH_STORE_FONTS, &count) != 0 || count == 0) return 0;
    if (CHGetItemId(h, CH_STORE_FONTS, 0, &id) != 0) return 0;
    for (uint32_t left = count; left > 0; --left) {
        CHFontRecord font{};
        if (CHGetItem(h, CH_STORE_FONTS, id, &font, nullptr) != 0) return 0;
        if (font.FontId == fontId) {
            if (pFontAttribute) *pFontAttribute = static_cast<uint16_t>(font.Attribute & 0xFFFFu);
            if (uint16_t length = 0; copy_font_name(h, font, *ps, length)) return length;
        }
        if (left > 1 && CHNextItemId(h, CH_STORE_FONTS, id, &id) != 0) return 0;
    }
    return 0;
}
