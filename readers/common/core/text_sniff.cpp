#include "text_sniff.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "writer/utf16.hpp"

namespace qrv::import {
namespace {

constexpr size_t kSniffLines = 20;

// True when bytes are UTF-8; a sample cut from a longer file may end in
// the middle of a character.
bool valid_utf8(std::span<const uint8_t> bytes, bool cut) {
    for (int back = 0; cut && back < 3 && !bytes.empty() && bytes.back() >= 0x80; ++back) {
        const bool lead = bytes.back() >= 0xC0;
        bytes = bytes.first(bytes.size() - 1);
        if (lead) break;
    }
    // Every U+FFFD of the decoded text must have been written as one.
    const std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    std::u16string probe;
    append_utf16(text, probe);
    size_t written = 0;
    for (size_t at = text.find("\xEF\xBF\xBD"); at != std::string_view::npos; at = text.find("\xEF\xBF\xBD", at + 3))
        ++written;
    return static_cast<size_t>(std::count(probe.begin(), probe.end(), char16_t{0xFFFD})) == written;
}

// Windows-1252's characters 0x80 to 0x9F; the rest of the bytes are Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                       0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void append_utf16_units(std::span<const uint8_t> bytes, bool big_endian, std::string &out) {
    char32_t pending_high = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t u = big_endian ? static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1])
                                      : static_cast<char16_t>(bytes[i + 1] << 8 | bytes[i]);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (pending_high) append_utf8(0xFFFD, out);
            pending_high = u;
            continue;
        }
        if (u >= 0xDC00 && u <= 0xDFFF && pending_high) {
            append_utf8(0x10000 + ((pending_high - 0xD800) << 10) + (u - 0xDC00), out);
            pending_high = 0;
            continue;
        }
        if (pending_high) append_utf8(0xFFFD, out), pending_high = 0;
        append_utf8(u, out);
    }
}

void append_utf32_units(std::span<const uint8_t> bytes, bool big_endian, std::string &out) {
    for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        const char32_t c =
            big_endian
                ? char32_t(bytes[i]) << 24 | char32_t(bytes[i + 1]) << 16 | char32_t(bytes[i + 2]) << 8 | bytes[i + 3]
                : char32_t(bytes[i + 3]) << 24 | char32_t(bytes[i + 2]) << 16 | char32_t(bytes[i + 1]) << 8 | bytes[i];
        const bool scalar = c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
        append_utf8(scalar ? c : 0xFFFD, out);
    }
    if (bytes.size() % 4) append_utf8(0xFFFD, out);
}

bool starts_with_bytes(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool has_wide_mark(std::span<const uint8_t> bytes) {
    return starts_with_bytes(bytes, {0xFF, 0xFE}) || starts_with_bytes(bytes, {0xFE, 0xFF}) ||
           starts_with_bytes(bytes, {0x00, 0x00, 0xFE, 0xFF});
}

// A second byte order mark, as a file saved twice with one gets.
void drop_leading_marks(std::string &text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    size_t start = 0;
    while (std::string_view(text).substr(start, kMark.size()) == kMark) start += kMark.size();
    text.erase(0, start);
}

// Counts of each separator per line, quoted fields passed over.
std::vector<std::array<size_t, 3>> separator_counts(std::string_view text) {
    constexpr char kCandidates[3] = {',', ';', '\t'};
    std::vector<std::array<size_t, 3>> lines;
    std::array<size_t, 3> counts{};
    bool quoted = false;
    for (size_t i = 0; i < text.size() && lines.size() < kSniffLines; ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') {
            lines.push_back(counts);
            counts = {};
            continue;
        }
        for (int k = 0; k < 3; ++k)
            if (c == kCandidates[k]) ++counts[k];
    }
    if (lines.size() < kSniffLines && counts != std::array<size_t, 3>{}) lines.push_back(counts);
    return lines;
}

std::string_view first_word(std::string_view line) {
    const size_t end = line.find_first_of(" \t\r");
    return line.substr(0, end);
}

}  // namespace

TextEncoding encoding_of(std::span<const uint8_t> bytes) {
    if (starts_with_bytes(bytes, {0xFF, 0xFE, 0x00, 0x00})) return TextEncoding::Utf32Le;
    if (starts_with_bytes(bytes, {0x00, 0x00, 0xFE, 0xFF})) return TextEncoding::Utf32Be;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return TextEncoding::Utf16Le;
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return TextEncoding::Utf16Be;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return TextEncoding::Utf8Bom;
    constexpr size_t kSample = 1u << 20;
    return valid_utf8(bytes.first(std::min(bytes.size(), kSample)), bytes.size() > kSample) ? TextEncoding::Utf8
                                                                                            : TextEncoding::Windows1252;
}

namespace {

std::string utf8_of_encoding(std::span<const uint8_t> bytes, TextEncoding encoding) {
    std::string out;
    switch (encoding) {
    case TextEncoding::Utf8Bom: bytes = bytes.subspan(std::min<size_t>(3, bytes.size())); [[fallthrough]];
    case TextEncoding::Utf8: {
        // Malformed sequences become U+FFFD as in the stores, a piece at a time.
        std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        std::u16string units;
        out.reserve(bytes.size());
        while (!text.empty()) {
            const size_t end = utf8_piece_end(text, kUtf8PieceBytes);
            units.clear();
            append_utf16(text.substr(0, end), units);
            out += utf8_of(units);
            text.remove_prefix(end);
        }
        return out;
    }
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        append_utf16_units(bytes.subspan(std::min<size_t>(2, bytes.size())), encoding == TextEncoding::Utf16Be, out);
        return out;
    case TextEncoding::Utf32Le:
    case TextEncoding::Utf32Be:
        append_utf32_units(bytes.subspan(std::min<size_t>(4, bytes.size())), encoding == TextEncoding::Utf32Be, out);
        return out;
    case TextEncoding::Windows1252:
        out.reserve(bytes.size());
        for (uint8_t b : bytes) append_utf8(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : b, out);
        return out;
    }
    return out;
}

}  // namespace

std::string utf8_text(std::span<const uint8_t> bytes, TextEncoding encoding, size_t max_bytes) {
    std::string out = utf8_of_encoding(bytes.first(std::min(bytes.size(), max_bytes)), encoding);
    drop_leading_marks(out);
    return out;
}

namespace {

// UTF-8 that decoding would leave as it stands: no malformed sequence to
// replace (checked a piece at a time).
bool utf8_as_it_stands(std::string_view text) {
    std::u16string units;
    while (!text.empty()) {
        const size_t end = utf8_piece_end(text, kUtf8PieceBytes);
        units.clear();
        append_utf16(text.substr(0, end), units);
        if (utf8_of(units) != text.substr(0, end)) return false;
        text.remove_prefix(end);
    }
    return true;
}

}  // namespace

std::string_view utf8_text_view(std::span<const uint8_t> bytes, TextEncoding encoding, std::string &storage) {
    if (encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8Bom) {
        std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        constexpr std::string_view kMark = "\xEF\xBB\xBF";
        while (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
        if (utf8_as_it_stands(text)) return text;
    }
    storage = utf8_text(bytes, encoding);
    return storage;
}

bool looks_binary(std::span<const uint8_t> bytes) {
    const auto sample = bytes.first(std::min<size_t>(bytes.size(), 4096));
    if (has_wide_mark(sample)) return false;
    return std::find(sample.begin(), sample.end(), uint8_t{0}) != sample.end();
}

bool looks_like_text_format(std::string_view text) {
    static constexpr std::string_view kDirectives[] = {
        "chunk-size",   "text",       "string",      "begin",       "end",     "break",    "special",
        "table-begin",  "table-end",  "value",       "value-bytes", "section", "cell-run", "font",
        "style-record", "list-level", "property-id", "frame",       "row",     "cell",     "record",
        "words",        "bytes",      "chars",       "item"};
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        line.remove_prefix(std::min(line.find_first_not_of(" \t\r"), line.size()));
        if (line.empty() || line.front() == '#') continue;
        if (line.find_first_of(",;\t") != std::string_view::npos && line.front() != '@') return false;
        const std::string_view word = first_word(line);
        if (word.size() > 1 && word.front() == '@' && word.back() == ':') return true;
        return std::find(std::begin(kDirectives), std::end(kDirectives), word) != std::end(kDirectives);
    }
    return false;
}

char sniff_separator(std::string_view text) {
    constexpr char kCandidates[3] = {',', ';', '\t'};
    const auto lines = separator_counts(text);
    if (lines.empty()) return 0;
    int best = -1;
    size_t best_agreeing = 0;
    for (int k = 0; k < 3; ++k) {
        if (lines.front()[k] == 0) continue;
        const size_t agreeing = static_cast<size_t>(std::count_if(
            lines.begin(), lines.end(), [&](const auto &counts) { return counts[k] == lines.front()[k]; }));
        // Most lines must agree with the first; ragged rows are allowed.
        if (agreeing * 2 < lines.size() + 1 && lines.size() > 1) continue;
        if (agreeing > best_agreeing ||
            (agreeing == best_agreeing && best >= 0 && lines.front()[k] > lines.front()[best])) {
            best = k;
            best_agreeing = agreeing;
        }
    }
    return best < 0 ? 0 : kCandidates[best];
}

}  // namespace qrv::import
