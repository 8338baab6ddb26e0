// A whole conversion in one call: from a file or bytes, through the
// importer and the export filter the output format names, into a file or
// a buffer.
#pragma once

#include <qrvconvert.h>

#include <string>
#include <string_view>

#include "outcome.hpp"

namespace qrv::convert {

struct Source {
    std::string path;        // a file; empty when the bytes are the input
    std::string_view bytes;  // the input in memory
    std::string name;        // what messages call the bytes
};

struct Target {
    std::string path;     // a file; empty for a buffer
    std::string *buffer;  // receives the output when path is empty
};

struct Request {
    std::string format;  // the output format's name
    std::string input_format;
    std::string locale_file;
    std::string title;  // empty: from the source's file name
    uint32_t option_word = 0;
    uint32_t read_flags = 0;  // IM_READ_*
};

// The request the caller's options make; a StructSize too small fails.
Outcome read_options(const QRVConvertOptions *options, Request &request);

Outcome convert(const Source &source, const Target &target, const Request &request);

}  // namespace qrv::convert
