// The colours a format code names: [Red] and the seven other names, and
// [Color1] to [Color56] from the spreadsheet's standard palette.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qrv::import::numfmt {

// 0x00RRGGBB of a bracket's content ("Red", "color12"; any case), or none.
std::optional<uint32_t> colour_of(std::string_view name);

}  // namespace qrv::import::numfmt
