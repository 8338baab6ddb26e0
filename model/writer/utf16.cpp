#include "utf16.hpp"

#include <cstdint>
#include <cstring>

namespace qrv::import {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts and the bounds of its second
// byte, which rule out overlong forms, surrogates and values past U+10FFFF.
struct Lead {
    int length;
    unsigned char low, high;
};

Lead lead_of(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b >= 0xE1 && b <= 0xEC) return {3, 0x80, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xEE && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

void append_code_point(char32_t c, std::u16string &out) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Where the run of bytes below 0x80 from i ends, eight bytes at a time.
size_t ascii_run_end(const unsigned char *s, size_t i, size_t n) {
    for (uint64_t eight; i + 8 <= n; i += 8) {
        std::memcpy(&eight, s + i, 8);
        if (eight & 0x8080808080808080ull) break;
    }
    while (i < n && s[i] < 0x80) ++i;
    return i;
}

// Widens the bytes from i to end, all below 0x80, onto out.
void append_ascii(const unsigned char *s, size_t i, size_t end, std::u16string &out) {
    const size_t at = out.size();
    out.resize(at + (end - i));
    char16_t *to = out.data() + at;
    for (; i < end; ++i) *to++ = s[i];
}

}  // namespace

size_t utf8_piece_end(std::string_view utf8, size_t most) {
    if (utf8.size() <= most) return utf8.size();
    size_t end = most;
    for (int back = 0; back < 3 && end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80; ++back) --end;
    return end > 0 ? end : most;
}

void append_utf16(std::string_view utf8, std::u16string &out) {
    const auto *s = reinterpret_cast<const unsigned char *>(utf8.data());
    const size_t n = utf8.size();
    out.reserve(out.size() + n);
    for (size_t i = 0; i < n;) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            const size_t end = ascii_run_end(s, i, n);
            append_ascii(s, i, end, out);
            i = end;
            continue;
        }
        const Lead lead = lead_of(b);
        if (lead.length == 0 || i + 1 >= n || s[i + 1] < lead.low || s[i + 1] > lead.high) {
            out += kReplacement;
            ++i;
            continue;
        }
        char32_t c = b & (0xFF >> (lead.length + 1));
        int taken = 1;
        for (; taken < lead.length && i + taken < n; ++taken) {
            const unsigned char t = s[i + taken];
            if (taken > 1 && (t & 0xC0) != 0x80) break;
            c = (c << 6) | (t & 0x3F);
        }
        if (taken < lead.length) {
            out += kReplacement;
            i += taken;
            continue;
        }
        append_code_point(c, out);
        i += taken;
    }
}

void append_utf8(char32_t c, std::string &out) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8_of(std::u16string_view utf16) {
    std::string out;
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        append_utf8(c, out);
    }
    return out;
}

}  // namespace qrv::import
