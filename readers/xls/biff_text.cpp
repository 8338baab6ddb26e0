#include "biff_text.hpp"

#include "writer/utf16.hpp"

namespace qrv::import::xls {
namespace {

constexpr uint8_t kTwoBytes = 0x01, kPhonetic = 0x04, kRich = 0x08;

}  // namespace

std::u16string read_chars(Cursor &in, size_t count, bool two_bytes) {
    std::u16string out;
    out.reserve(std::min(count, in.left()));
    while (out.size() < count) {
        if (in.at_break()) two_bytes = in.u8() & kTwoBytes;
        const size_t width = two_bytes ? 2 : 1;
        const size_t n = std::min(count - out.size(), in.room() / width);
        if (n == 0) throw RecordTooShort{};
        const auto bytes = in.take(n * width);
        for (size_t i = 0; i < n; ++i)
            out += two_bytes ? static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8)
                             : static_cast<char16_t>(bytes[i]);
    }
    return out;
}

std::u16string read_unicode(Cursor &in, bool short_length) {
    const size_t count = short_length ? in.u8() : in.u16();
    const uint8_t flags = in.u8();
    const size_t runs = flags & kRich ? in.u16() : 0;
    const size_t phonetic = flags & kPhonetic ? in.u32() : 0;
    std::u16string chars = read_chars(in, count, flags & kTwoBytes);
    in.skip(std::min(runs * 4, in.left()));
    in.skip(std::min(phonetic, in.left()));
    return chars;
}

std::u16string read_bytes(Cursor &in, const CodePage &page, bool short_length) {
    const size_t count = short_length ? in.u8() : in.u16();
    return page.decode(in.take(std::min(count, in.left())));
}

std::u16string read_string(Cursor &in, bool biff8, const CodePage &page, bool short_length) {
    return biff8 ? read_unicode(in, short_length) : read_bytes(in, page, short_length);
}

}  // namespace qrv::import::xls
