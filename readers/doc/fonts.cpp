#include "fonts.hpp"

#include "cfb/little_endian.hpp"
#include "writer/utf16.hpp"

namespace qrv::import::doc {
namespace {

// The bytes before the name: family, weight, character set, the
// alternative name's place, ten of shape and twenty-four of signature.
constexpr size_t kNameAt = 39;
constexpr size_t kHeader = 4;

std::string name_of(std::span<const uint8_t> font) {
    std::u16string name;
    for (size_t at = kNameAt; at + 2 <= font.size(); at += 2) {
        const char16_t c = static_cast<char16_t>(le16(font.data() + at));
        if (c == 0) break;
        name += c;
    }
    return utf8_of(name);
}

}  // namespace

FontTable::FontTable(std::span<const uint8_t> table, Span place, Diagnostics &diagnostics) {
    if (place.length == 0) return;
    const std::span<const uint8_t> fonts = place_in(table, place);
    if (fonts.size() < kHeader) {
        diagnostics.warn("the font table lies beyond the table stream; runs keep the default font");
        return;
    }
    const size_t count = le16(fonts.data());
    size_t at = kHeader;
    while (names_.size() < count) {
        if (at >= fonts.size() || fonts[at] > fonts.size() - at - 1) {
            diagnostics.warn("the font table is cut short; the fonts after " + std::to_string(names_.size()) +
                             " keep the default font");
            return;
        }
        const size_t length = fonts[at];
        names_.push_back(name_of(fonts.subspan(at + 1, length)));
        at += 1 + length;
    }
}

void FontTable::name_font(CharProps &props) const {
    const std::optional<uint16_t> slot = props.latin_font ? props.latin_font : props.other_font;
    if (!slot) return;
    if (const std::string *font = name(*slot); font && !font->empty()) props.format.font = *font;
}

}  // namespace qrv::import::doc
