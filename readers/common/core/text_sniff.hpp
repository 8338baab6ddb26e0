// Looks at the start of a file that is text: its encoding, whether it is
// the chunker's text format, and which separator a delimited file uses.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qrv::import {

enum class TextEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Utf32Le, Utf32Be, Windows1252 };

// UTF-32 or UTF-16 with its byte order mark, UTF-8 with or without one (when every
// byte of the sample forms valid UTF-8), else Windows-1252.
TextEncoding encoding_of(std::span<const uint8_t> bytes);

// Bytes of the named encoding as UTF-8 (byte order marks at the start
// dropped, however many;
// malformed units become U+FFFD).  At most max_bytes of input are read; a
// sequence cut by that bound ends the text as U+FFFD.
std::string utf8_text(std::span<const uint8_t> bytes, TextEncoding encoding, size_t max_bytes = SIZE_MAX);

// The same text without a copy where the bytes are UTF-8 as they stand
// (the view then points into bytes); otherwise converted into storage.
std::string_view utf8_text_view(std::span<const uint8_t> bytes, TextEncoding encoding, std::string &storage);

// True when bytes hold a zero byte and no UTF-16 or UTF-32 byte order mark:
// binary.
bool looks_binary(std::span<const uint8_t> bytes);

// True when the first line that is not blank or a comment starts with a
// directive of the chunker's text format or a label.
bool looks_like_text_format(std::string_view text);

// The separator of delimited text: ',', ';' or '\t' when the first lines
// (quoted fields passed over) hold it the same number of times, else 0.
char sniff_separator(std::string_view text);

}  // namespace qrv::import
