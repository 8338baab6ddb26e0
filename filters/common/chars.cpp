#include "chars.hpp"

#include <qrvch.h>
#include <qrvex/charset.h>
#include <qrvex/properties.h>

#include <algorithm>
#include <vector>

namespace qrv::filters {

namespace {

// A unit takes at most three bytes (a surrogate pair four for two units),
// and the converter ends its text with a zero.
size_t utf8_room(size_t count) { return count * 3 + 1; }

// Converts into room bytes at out; gives the length of the text.
size_t convert_into(char *out, size_t room, const QRVWCHAR *chars, size_t count) {
    const int32_t written = FUConvertUnicodeToUTF8(out, static_cast<uint32_t>(room), chars,
                                                   static_cast<uint32_t>(count * sizeof(QRVWCHAR)));
    return written < 0 ? std::char_traits<char>::length(out) : static_cast<size_t>(written);
}

// Text of units below 0x80 only (a number, most names and words) is its
// units as bytes: written here without the converter's call and its
// choice of path, which cost more than the copy on short text.  False at
// the first unit that needs the converter.
bool narrow_ascii(char *out, const QRVWCHAR *chars, size_t count) {
    QRVWCHAR seen = 0;
    for (size_t i = 0; i < count; ++i) {
        seen |= chars[i];
        out[i] = static_cast<char>(chars[i]);
    }
    return seen < 0x80;
}

}  // namespace

std::string utf8_of(const QRVWCHAR *chars, size_t count) {
    if (count == 0) return {};
    std::string out(utf8_room(count), '\0');
    out.resize(convert_into(out.data(), out.size(), chars, count));
    return out;
}

std::string_view Utf8Scratch::convert(const QRVWCHAR *chars, size_t count) {
    if (count == 0) return {};
    const size_t room = utf8_room(count);
    if (room > capacity_) {
        capacity_ = std::max(room, 2 * capacity_);
        bytes_ = std::make_unique<char[]>(capacity_);
    }
    if (narrow_ascii(bytes_.get(), chars, count)) return {bytes_.get(), count};
    bytes_[0] = 0;
    return {bytes_.get(), convert_into(bytes_.get(), room, chars, count)};
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

bool read_text_piece(CHHandle h, uint32_t offset, uint32_t length, std::u16string &out) {
    if (length <= kTextPieceChars) return read_text_run(h, offset, length, out);
    if (!read_text_run(h, offset, kTextPieceChars, out)) return false;
    const char16_t last = out.back();
    if (last >= 0xD800 && last <= 0xDBFF) out.pop_back();
    return true;
}

}  // namespace qrv::filters
