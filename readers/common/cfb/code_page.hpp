// The code page of the byte strings of the older binary files: Excel 5 and
// 95 workbooks and every name in them (their CODEPAGE record, Windows-1252
// when none), Word 6 and 95 documents (the page of their language).  Bytes
// the code page cannot map become U+FFFD.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qrv::import {

class CodePage {
public:
    CodePage() { set(1252); }
    ~CodePage();
    CodePage(const CodePage &) = delete;
    CodePage &operator=(const CodePage &) = delete;

    // A CODEPAGE record's number; false when it is not known (the page in
    // force stays).
    bool set(uint16_t number);
    std::u16string decode(std::span<const uint8_t> bytes) const;

private:
    void *converter_ = nullptr;  // an iconv descriptor, or null for Latin-1
};

// The iconv name of a code page number, or "" for none known.
std::string iconv_name(uint16_t number);

}  // namespace qrv::import
