#include "chars.hpp"

#include <qrvch.h>
#include <qrvex/charset.h>
#include <qrvex/properties.h>

#include <vector>

namespace qrv::filters {

std::string utf8_of(const QRVWCHAR *chars, size_t count) {
    if (count == 0) return {};
    // A unit takes at most three bytes (a surrogate pair four for two units).
    std::string out(count * 3 + 1, '\0');
    int32_t written = FUConvertUnicodeToUTF8(out.data(), static_cast<uint32_t>(out.size()), chars,
                                             static_cast<uint32_t>(count * sizeof(QRVWCHAR)));
    out.resize(written < 0 ? std::char_traits<char>::length(out.c_str()) : static_cast<size_t>(written));
    return out;
}

std::string utf8_of(std::u16string_view chars) {
    return utf8_of(reinterpret_cast<const QRVWCHAR *>(chars.data()), chars.size());
}

std::u16string_view wide_view(const QRVWCHAR *chars, size_t capacity) {
    size_t n = 0;
    while (n < capacity && chars[n] != 0) ++n;
    return {reinterpret_cast<const char16_t *>(chars), n};
}

std::u16string property_text(CHHandle h, uint32_t string_item_id) {
    CUPropertyString text{};
    const uint16_t length = CUGetPropertyString(string_item_id, &text, h);
    return std::u16string(reinterpret_cast<const char16_t *>(text.Chars), length);
}

bool read_text_run(CHHandle h, uint32_t offset, uint32_t length, std::u16string &out) {
    out.assign(length, u'\0');
    if (length == 0) return true;
    if (CHGetItems(h, CH_STORE_TEXT, offset, length, out.data()) != 0) {
        out.clear();
        return false;
    }
    return true;
}

}  // namespace qrv::filters
