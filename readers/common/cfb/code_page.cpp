#include "code_page.hpp"

#include <iconv.h>

#include <cerrno>

namespace qrv::import {
namespace {

iconv_t as_iconv(void *p) { return static_cast<iconv_t>(p); }
bool failed(iconv_t c) { return c == reinterpret_cast<iconv_t>(-1); }

}  // namespace

std::string iconv_name(uint16_t number) {
    switch (number) {
    case 367: return "ASCII";
    case 1200: return "";  // UTF-16: the strings say so themselves
    case 10000:
    case 32768: return "MACINTOSH";
    case 32769: return "CP1252";
    case 932: return "CP932";
    case 936: return "GBK";
    case 949: return "CP949";
    case 950: return "BIG5";
    default:
        if ((number >= 1250 && number <= 1258) || number == 437 || number == 850 || number == 852 ||
            number == 866 || number == 874)
            return "CP" + std::to_string(number);
        return "";
    }
}

CodePage::~CodePage() {
    if (converter_) iconv_close(as_iconv(converter_));
}

bool CodePage::set(uint16_t number) {
    const std::string name = iconv_name(number);
    if (name.empty()) return false;
    const iconv_t c = iconv_open("UTF-16LE", name.c_str());
    if (failed(c)) return false;
    if (converter_) iconv_close(as_iconv(converter_));
    converter_ = c;
    return true;
}

std::u16string CodePage::decode(std::span<const uint8_t> bytes) const {
    std::u16string out;
    if (!converter_) {
        for (uint8_t b : bytes) out += static_cast<char16_t>(b);
        return out;
    }
    iconv(as_iconv(converter_), nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(reinterpret_cast<const char *>(bytes.data()));
    size_t in_left = bytes.size();
    while (in_left > 0) {
        char buffer[512];
        char *to = buffer;
        size_t to_left = sizeof buffer;
        const size_t done = iconv(as_iconv(converter_), &in, &in_left, &to, &to_left);
        for (char *p = buffer; p + 1 < to; p += 2)
            out += static_cast<char16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8);
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {
            out += u'\uFFFD';  // a byte the page does not map, or a cut sequence
            ++in, --in_left;
        }
    }
    return out;
}

}  // namespace qrv::import
