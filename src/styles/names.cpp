// Style names: "title" and "heading N".
#include "styles/sheet.hpp"

#include <qrvex/properties.h>
#include <qrvut.h>

namespace qrv::styles {

namespace {

constexpr QRVWCHAR kTitle[] = {'t', 'i', 't', 'l', 'e', 0};
constexpr QRVWCHAR kHeading[] = {'h', 'e', 'a', 'd', 'i', 'n', 'g', 0};
constexpr int16_t kHeadingLength = 7;

bool read_name(CHHandle h, uint32_t name_item_id, CUPropertyString &name) {
    return CUGetPropertyString(name_item_id, &name, h) != 0;
}

}  // namespace

uint32_t heading_level_of_name(CHHandle h, uint32_t name_item_id) {
    CUPropertyString name{};
    if (!read_name(h, name_item_id, name)) return 0;
    if (static_cast<int16_t>(UTwstrlen(name.Chars)) <= kHeadingLength) return 0;
    // The character after "heading" is a separator and is never the number.
    name.Chars[kHeadingLength] = 0;
    if (UTwstrcmpi(name.Chars, kHeading) != 0) return 0;
    for (const QRVWCHAR *c = name.Chars + kHeadingLength + 1; *c; ++c)
        if (*c >= '1' && *c <= '9') return static_cast<uint32_t>(*c - '0') + 1;
    return 0;
}

bool is_title_name(CHHandle h, uint32_t name_item_id) {
    CUPropertyString name{};
    return read_name(h, name_item_id, name) && UTwstrcmpi(name.Chars, kTitle) == 0;
}

}  // namespace qrv::styles

// 1 when the style's name is "title" in any case, else 0 (also for a null
// sheet, an index not below StyleCount or an unreadable name).
extern "C" QRVAPI uint32_t CUStyleCheckTitleStyle(CUStyleSheet *sheet, uint32_t styleIndex) {
    if (!sheet || styleIndex >= sheet->StyleCount) return 0;
    return qrv::styles::is_title_name(sheet->ChunkerHandle, sheet->StyleTable[styleIndex].NameItemId) ? 1 : 0;
}

// For a name of "heading" (any case), one more character and somewhere after
// it a digit 1 to 9: that digit + 1 ("Heading 3" gives 4, "heading 10" 2).
// Else 0, also for a null sheet.
extern "C" QRVAPI uint32_t CUStyleCheckHeadingStyle(CUStyleSheet *sheet, uint32_t nameItemId) {
    if (!sheet) return 0;
    return qrv::styles::heading_level_of_name(sheet->ChunkerHandle, nameItemId);
}
