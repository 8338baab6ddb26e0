// A compiled format as the formatter reads it: the counts and flags by
// value, the codes where they lie.  Formats come from a record of the call's
// own or from a block cache's data, which is only 4-byte aligned: the
// record's pointer-sized hBlock may not be read there, its 32-bit fields
// and codes may, so a cached format is viewed in place and never copied.
#pragma once

#include <qrvex/numformat.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

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

// The view of a record's bytes (at any 4-byte aligned address): the fields
// from codeCount to FormatFlags lie in the same order in both.
inline FormatView view_of_bytes(const unsigned char *record) {
    constexpr size_t kFieldsAt = offsetof(FUNumberFormat, codeCount);
    constexpr size_t kFieldsSize = offsetof(FUNumberFormat, codes) - kFieldsAt;
    static_assert(kFieldsSize == offsetof(FormatView, codes));
    static_assert(offsetof(FUNumberFormat, codes) % alignof(FUFormatCode) == 0);
    FormatView view;
    std::memcpy(&view, record + kFieldsAt, kFieldsSize);
    if (view.codeCount > FU_FORMAT_MAX_CODES) view.codeCount = FU_FORMAT_MAX_CODES;
    view.codes = reinterpret_cast<const FUFormatCode *>(record + offsetof(FUNumberFormat, codes));
    return view;
}

inline FormatView view_of(const FUNumberFormat &format) {
    FormatView view = view_of_bytes(reinterpret_cast<const unsigned char *>(&format));
    view.codes = format.codes;
    return view;
}

// data: an FUNumberFormat's bytes at any 4-byte aligned address.
inline FormatView view_of_cached(const void *data) { return view_of_bytes(static_cast<const unsigned char *>(data)); }

}  // namespace qrv::numformat
