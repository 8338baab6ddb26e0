// The built-in English texts of the string resources.
#pragma once

#include <cstdint>
#include <string_view>

namespace qrv::ut {

// The English text of a resource id (UTF-8), or nullptr when there is none.
const char *english_text(uint32_t id);

}  // namespace qrv::ut
