#include "property_set.hpp"

#include <algorithm>

#include "little_endian.hpp"
#include "windows_1252.hpp"
#include "writer/utf16.hpp"

namespace qrv::import {
namespace {

constexpr size_t kFirstSectionOffset = 44;
constexpr uint32_t kCodePageId = 1, kLastStringId = 8;
constexpr uint32_t kShortInt = 2, kByteString = 30, kWideString = 31;
constexpr uint32_t kUtf8 = 65001;
constexpr size_t kLongestString = 64 * 1024;

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

std::string byte_string(std::span<const uint8_t> bytes, uint32_t code_page) {
    if (code_page == kUtf8) return trimmed(std::string(bytes.begin(), bytes.end()));
    std::string out;
    for (uint8_t b : bytes) append_utf8(windows_1252(b), out);
    return trimmed(out);
}

std::string wide_string(std::span<const uint8_t> bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) text += static_cast<char16_t>(le16(bytes.data() + i));
    return trimmed(utf8_of(text));
}

}  // namespace

std::vector<std::pair<SummaryField, std::string>> summary_strings(std::span<const uint8_t> stream) {
    std::vector<std::pair<SummaryField, std::string>> out;
    if (stream.size() < kFirstSectionOffset + 4) return out;
    const size_t section = le32(stream.data() + kFirstSectionOffset);
    if (section > stream.size() || stream.size() - section < 8) return out;
    const auto set = stream.subspan(section);
    const size_t count = std::min<size_t>(le32(set.data() + 4), (set.size() - 8) / 8);
    uint32_t code_page = 1252;
    for (int pass = 0; pass < 2; ++pass) {  // the code page first, wherever it is listed
        for (size_t i = 0; i < count; ++i) {
            const uint32_t id = le32(set.data() + 8 + i * 8);
            const size_t at = le32(set.data() + 12 + i * 8);
            if (at > set.size() || set.size() - at < 8) continue;
            const uint32_t type = le32(set.data() + at) & 0xFFFF;
            if (pass == 0) {
                if (id == kCodePageId && type == kShortInt) code_page = le16(set.data() + at + 4);
                continue;
            }
            if (id < 2 || id > kLastStringId || id == 7 || (type != kByteString && type != kWideString)) continue;
            const size_t length = le32(set.data() + at + 4) * size_t{type == kWideString ? 2u : 1u};
            const auto bytes = set.subspan(at + 8, std::min({length, set.size() - at - 8, kLongestString}));
            std::string value = type == kWideString ? wide_string(bytes) : byte_string(bytes, code_page);
            if (!value.empty()) out.emplace_back(static_cast<SummaryField>(id), std::move(value));
        }
    }
    return out;
}

}  // namespace qrv::import
