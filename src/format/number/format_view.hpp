// A compiled format as the formatter reads it: the counts and flags by
// value, the codes where they lie.  Formats come from a record of the call's
// own or from a block cache's data, which is only 4-byte aligned: the
// record's pointer-sized hBlock may not be read there, its 32-bit fields
// and codes may, so a cached format is viewed in place and never copied.
#pragma once

#include <qrvex/numformat.h>

#include <cstdint>

namespace qrv::numformat {

struct FormatView {
    uint32_t codeCount;
    uint32_t pointPos;
    uint32_t fracDigits;
    uint32_t intDigits;
    uint32_t expDigits;
    uint32_t textValue60;
    uint32_t textValue25;
    uint32_t FormatFlags;
    const FUFormatCode *codes;
};

FormatView view_of(const FUNumberFormat &format);

// data: an FUNumberFormat's bytes at any 4-byte aligned address.
FormatView view_of_cached(const void *data);

}  // namespace qrv::numformat
