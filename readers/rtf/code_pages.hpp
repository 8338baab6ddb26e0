// Bytes of a code page into UTF-8 through iconv: the document's (\ansicpgN,
// \mac, \pc, \pca) or a font's (\fcharsetN, \cpgN).  A byte sequence the
// code page does not hold becomes U+FFFD.  Converters are opened once a
// code page and closed with the decoder.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "writer/utf16.hpp"

namespace qrv::import::rtf {

inline constexpr int32_t kDefaultCodePage = 1252;

// The code page a font's character set stands for; 0 for "the document's".
int32_t code_page_of_charset(int32_t charset);

class CodePages {
public:
    CodePages() = default;
    CodePages(const CodePages &) = delete;
    CodePages &operator=(const CodePages &) = delete;
    ~CodePages();

    // Appends the bytes, read in code page, to out as UTF-8.
    void decode(std::string_view bytes, int32_t code_page, std::string &out);

private:
    void *converter(int32_t code_page);  // null when iconv knows none

    std::map<int32_t, void *> open_;
};

}  // namespace qrv::import::rtf
