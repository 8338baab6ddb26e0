// The file a package harness imports: the raw input, or a sound package
// with one of its parts replaced by the input.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "import/package_builder.hpp"

namespace qrv::fuzz {

// Selector 0, or one past the parts that may be replaced, takes the input as
// the whole file; selector n replaces part mutated[n - 1] of sound_parts().
inline std::string package_with_input(std::vector<test::Part> (*sound_parts)(), std::span<const char *const> mutated,
                                      uint8_t selector, const uint8_t *data, size_t size) {
    const std::string content(reinterpret_cast<const char *>(data), size);
    if (selector == 0 || selector > mutated.size()) return content;
    std::vector<test::Part> parts = sound_parts();
    for (test::Part &part : parts)
        if (part.name == mutated[selector - 1]) part.content = content;
    return test::zip_of(parts);
}

}  // namespace qrv::fuzz
