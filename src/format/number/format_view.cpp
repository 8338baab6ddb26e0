#include "format/number/format_view.hpp"

#include <cstddef>
#include <cstring>

namespace qrv::numformat {
namespace {

// The fields from codeCount to FormatFlags lie in the same order in both.
constexpr size_t kFieldsAt = offsetof(FUNumberFormat, codeCount);
constexpr size_t kFieldsSize = offsetof(FUNumberFormat, codes) - kFieldsAt;
static_assert(kFieldsSize == offsetof(FormatView, codes));
static_assert(offsetof(FUNumberFormat, codes) % alignof(FUFormatCode) == 0);

FormatView from_bytes(const unsigned char *record) {
    FormatView view;
    std::memcpy(&view, record + kFieldsAt, kFieldsSize);
    if (view.codeCount > FU_FORMAT_MAX_CODES) view.codeCount = FU_FORMAT_MAX_CODES;
    view.codes = reinterpret_cast<const FUFormatCode *>(record + offsetof(FUNumberFormat, codes));
    return view;
}

}  // namespace

FormatView view_of(const FUNumberFormat &format) {
    FormatView view = from_bytes(reinterpret_cast<const unsigned char *>(&format));
    view.codes = format.codes;
    return view;
}

FormatView view_of_cached(const void *data) { return from_bytes(static_cast<const unsigned char *>(data)); }

}  // namespace qrv::numformat
