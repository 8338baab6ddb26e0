// String resources: the English table, with texts a host has replaced
// (UTSetString, UTLoadLocaleFile) taking precedence.
#include <qrvut.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <string>

#include "english.hpp"
#include "utf8.hpp"
#include "windows_1252.hpp"

namespace {

std::mutex replaced_mutex;
std::map<uint32_t, std::u32string> &replaced() {
    static auto *texts = new std::map<uint32_t, std::u32string>;
    return *texts;
}

// The text of id as code points; false when the id has none.
bool lookup(uint32_t id, std::u32string &text) {
    {
        std::lock_guard g(replaced_mutex);
        const auto it = replaced().find(id);
        if (it != replaced().end()) {
            text = it->second;
            return true;
        }
    }
    const char *english = qrv::ut::english_text(id);
    if (!english) return false;
    text = *qrv::ut::decode_utf8(english);
    return true;
}

void append_utf16(std::u16string &out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

void set_error(char *err, size_t size, const std::string &message) {
    if (err && size) std::snprintf(err, size, "%s", message.c_str());
}

// One "id=text" line of a locale file; blank lines and lines starting with
// '#' say nothing.  Returns false for a line that is neither.
bool parse_line(std::string line, std::map<uint32_t, std::u32string> &texts) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return true;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    const std::string id_text = line.substr(first, line.find_last_not_of(" \t", equals - 1) + 1 - first);
    if (id_text.empty() || id_text.find_first_not_of("0123456789") != std::string::npos || id_text.size() > 9)
        return false;
    auto text = qrv::ut::decode_utf8(std::string_view(line).substr(equals + 1));
    if (!text) return false;
    texts[static_cast<uint32_t>(std::stoul(id_text))] = std::move(*text);
    return true;
}

}  // namespace

extern "C" {

uint32_t UTGetString(uint32_t id, char *buffer, uint32_t size, uint32_t reserved) {
    (void)reserved;
    if (!buffer || size == 0) return UT_ERR_BAD_ARGUMENT;
    std::u32string text;
    const bool found = lookup(id, text);
    uint32_t n = 0;
    for (; n < text.size() && n + 1 < size; ++n) buffer[n] = static_cast<char>(qrv::ut::to_1252(text[n]));
    buffer[n] = '\0';
    return found ? 0 : UT_ERR_NOT_FOUND;
}

uint32_t UTGetWordString(uint32_t id, QRVWCHAR *buffer, uint32_t size, uint32_t reserved) {
    (void)reserved;
    if (!buffer || size == 0) return UT_ERR_BAD_ARGUMENT;
    std::u32string text;
    const bool found = lookup(id, text);
    std::u16string wide;
    for (char32_t c : text) append_utf16(wide, c);
    uint32_t n = 0;
    for (; n < wide.size() && n + 1 < size; ++n) buffer[n] = wide[n];
    if (n > 0 && n < wide.size() && wide[n - 1] >= 0xD800 && wide[n - 1] < 0xDC00) --n;  // no half pair
    buffer[n] = 0;
    return found ? 0 : UT_ERR_NOT_FOUND;
}

uint32_t UTSetString(uint32_t id, const char *utf8) {
    if (!utf8) return UT_ERR_BAD_ARGUMENT;
    auto text = qrv::ut::decode_utf8(utf8);
    if (!text) return UT_ERR_BAD_TEXT;
    std::lock_guard g(replaced_mutex);
    replaced()[id] = std::move(*text);
    return 0;
}

uint32_t UTLoadLocaleFile(const char *path, char *err, size_t errSize) {
    std::ifstream in(path ? path : "");
    if (!in) {
        set_error(err, errSize, std::string("cannot open ") + (path ? path : "(null)"));
        return UT_ERR_BAD_FILE;
    }
    std::map<uint32_t, std::u32string> texts;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!parse_line(line, texts)) {
            set_error(err, errSize, std::string(path) + ":" + std::to_string(number) + ": expected id=text in UTF-8");
            return UT_ERR_BAD_FILE;
        }
    }
    std::lock_guard g(replaced_mutex);
    for (auto &[id, text] : texts) replaced()[id] = std::move(text);
    set_error(err, errSize, "");
    return 0;
}

void UTResetStrings(void) {
    std::lock_guard g(replaced_mutex);
    replaced().clear();
}

}  // extern "C"
