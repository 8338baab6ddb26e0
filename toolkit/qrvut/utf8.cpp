#include "utf8.hpp"

namespace qrv::ut {

namespace {

struct Lead {
    int continuation;
    char32_t minimum;
};

std::optional<Lead> lead_of(unsigned char b) {
    if (b < 0x80) return Lead{0, 0};
    if ((b & 0xE0) == 0xC0) return Lead{1, 0x80};
    if ((b & 0xF0) == 0xE0) return Lead{2, 0x800};
    if ((b & 0xF8) == 0xF0) return Lead{3, 0x10000};
    return std::nullopt;
}

}  // namespace

std::optional<std::u32string> decode_utf8(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i++]);
        const auto lead = lead_of(b);
        if (!lead) return std::nullopt;
        char32_t c = lead->continuation ? b & (0x3F >> lead->continuation) : b;
        for (int k = 0; k < lead->continuation; ++k) {
            if (i >= text.size()) return std::nullopt;
            const auto next = static_cast<unsigned char>(text[i++]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < lead->minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out.push_back(c);
    }
    return out;
}

}  // namespace qrv::ut
