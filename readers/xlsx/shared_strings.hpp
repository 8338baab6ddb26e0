// The shared strings part: the texts that cells of type "s" name by index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/package.hpp"
#include "sheet/text_store.hpp"
#include "fonts.hpp"

namespace qrv::import::xlsx {

// The text numbers of the shared strings in order (none without the part).
std::vector<uint32_t> read_shared_strings(Package &package, const std::string &part, TextStore &texts, Fonts &fonts);

}  // namespace qrv::import::xlsx
