// The list kind (CUParaChangeInfo::ListKind, a style's ListKind, the low
// half of a list item's data2) of a counted list.
#pragma once

#include <cstdint>

namespace qrv::gather {

inline constexpr uint32_t kCountedListKind = 1;

}  // namespace qrv::gather
