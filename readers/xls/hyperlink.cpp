#include "hyperlink.hpp"

#include <algorithm>
#include <array>
#include <optional>

#include "biff_text.hpp"
#include "cfb/code_page.hpp"

namespace qrv::import::xls {
namespace {

constexpr uint32_t kHasMoniker = 0x01, kHasLocation = 0x08, kHasDisplayName = 0x10, kHasFrameName = 0x80,
                   kMonikerAsString = 0x100;
constexpr std::array<uint8_t, 16> kUrlMoniker = {0xE0, 0xC9, 0xEA, 0x79, 0xF9, 0xBA, 0xCE, 0x11,
                                                 0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B};
constexpr std::array<uint8_t, 16> kFileMoniker = {0x03, 0x03, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};

std::u16string utf16_chars(Cursor &in, size_t count) {
    std::u16string out;
    const auto bytes = in.take(std::min(count * 2, in.left()) & ~size_t{1});
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) out += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    while (!out.empty() && out.back() == 0) out.pop_back();
    return out;
}

// A length in characters (the closing zero counted) and the characters.
std::u16string counted_string(Cursor &in) { return utf16_chars(in, in.u32()); }

std::u16string url_moniker(Cursor &in) { return utf16_chars(in, in.u32() / 2); }

std::u16string file_moniker(Cursor &in) {
    in.skip(2);  // how many levels up
    const auto ansi = in.take(std::min<size_t>(in.u32(), in.left()));
    in.skip(24);  // end server, version, reserved
    if (in.left() >= 4 && in.u32() > 0) {
        const uint32_t bytes = in.u32();
        in.skip(2);
        return utf16_chars(in, bytes / 2);
    }
    return CodePage().decode(ansi.first(std::find(ansi.begin(), ansi.end(), 0) - ansi.begin()));
}

// A URL or a file path; none for a moniker of another kind.
std::optional<std::u16string> moniker(Cursor &in) {
    const auto clsid = in.take(16);
    if (std::equal(clsid.begin(), clsid.end(), kUrlMoniker.begin())) return url_moniker(in);
    if (std::equal(clsid.begin(), clsid.end(), kFileMoniker.begin())) return file_moniker(in);
    return std::nullopt;
}

}  // namespace

std::string hyperlink_target(Cursor &in) {
    in.skip(16 + 4);  // the class id and version
    const uint32_t flags = in.u32();
    if (flags & kHasDisplayName) counted_string(in);
    if (flags & kHasFrameName) counted_string(in);
    std::u16string target;
    if (flags & kHasMoniker && flags & kMonikerAsString) {
        target = counted_string(in);
    } else if (flags & kHasMoniker) {
        auto found = moniker(in);
        if (!found) return {};
        target = std::move(*found);
    }
    if (flags & kHasLocation) {
        const std::u16string location = counted_string(in);
        if (!location.empty()) target.append(1, u'#').append(location);
    }
    return utf8_of(target);
}

}  // namespace qrv::import::xls
