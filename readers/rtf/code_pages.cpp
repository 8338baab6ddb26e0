#include "code_pages.hpp"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

namespace qrv::import::rtf {
namespace {

constexpr std::pair<int32_t, int32_t> kCharsets[] = {{0, 1252},   {2, 1252},   {77, 10000}, {78, 10001}, {128, 932},
                                                     {129, 949},  {130, 1361}, {134, 936},  {136, 950},  {161, 1253},
                                                     {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
                                                     {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850}};

std::string iconv_name(int32_t code_page) {
    switch (code_page) {
    case 10000: return "MACINTOSH";
    case 10001: return "SHIFT_JIS";
    case 65001: return "UTF-8";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    case 1361: return "JOHAB";
    default: return "CP" + std::to_string(code_page);
    }
}

void *const kNone = reinterpret_cast<void *>(-1);

// Latin-1, the decoding of last resort.
void append_latin1(std::string_view bytes, std::string &out) {
    for (char c : bytes) append_utf8(static_cast<unsigned char>(c), out);
}

}  // namespace

int32_t code_page_of_charset(int32_t charset) {
    for (const auto &[set, page] : kCharsets)
        if (set == charset) return page;
    return 0;
}

CodePages::~CodePages() {
    for (auto &[page, cd] : open_)
        if (cd != kNone) iconv_close(static_cast<iconv_t>(cd));
}

void *CodePages::converter(int32_t code_page) {
    auto [it, added] = open_.try_emplace(code_page, kNone);
    if (added) {
        iconv_t cd = iconv_open("UTF-8", iconv_name(code_page).c_str());
        if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-8", "CP1252");
        if (cd != reinterpret_cast<iconv_t>(-1)) it->second = cd;
    }
    return it->second == kNone ? nullptr : it->second;
}

// Bytes below 0x80 are ASCII in every code page an RTF file names (a
// double-byte page's trail bytes follow a lead byte of 0x81 or more), so
// text without others needs no converter.
void CodePages::decode(std::string_view bytes, int32_t code_page, std::string &out) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return void(out.append(bytes));
    void *cd = converter(code_page);
    if (!cd) return append_latin1(bytes, out);
    iconv(static_cast<iconv_t>(cd), nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(bytes.data());
    size_t in_left = bytes.size();
    std::array<char, 1024> buffer;
    while (in_left > 0) {
        char *to = buffer.data();
        size_t to_left = buffer.size();
        const size_t rc = iconv(static_cast<iconv_t>(cd), &in, &in_left, &to, &to_left);
        out.append(buffer.data(), buffer.size() - to_left);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // A byte the code page does not hold, or a sequence cut short.
            append_utf8(0xFFFD, out);
            ++in;
            --in_left;
            iconv(static_cast<iconv_t>(cd), nullptr, nullptr, nullptr, nullptr);
        }
    }
}

}  // namespace qrv::import::rtf
