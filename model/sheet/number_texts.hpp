// Number formats the library's codes cannot express (fractions, for one):
// the importer that knows the format shows the value itself, and the cell
// holds that text in place of the number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qrv::import {

class NumberTexts {
public:
    // The text a number cell of this format key shows, or nothing where
    // the key's definition shows the value as it should.
    virtual std::optional<std::string> text_of(uint32_t format_key, double value) const = 0;

protected:
    ~NumberTexts() = default;
};

}  // namespace qrv::import
