// Character properties of a style (<style:text-properties>): each one set
// or left to the parent style.  A cell's text and each span of rich text
// take the properties of their style chain.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

struct TextProperties {
    std::optional<bool> bold, italic, underline, strike;
    std::optional<int8_t> position;  // 1 superscript, -1 subscript, 0 neither
    // style:font-name names a declared font face; fo:font-family is a family.
    std::optional<std::string> font_face, font_family;
    std::optional<uint32_t> size;    // half-points
    std::optional<uint32_t> colour;  // 0x00RRGGBB

    // Every property not set here takes the one of `parent`.
    void fill_from(const TextProperties &parent);
};

// Reads the attributes of a <style:text-properties> element into props
// (attributes it does not know are passed over).
void read_text_properties(const XmlAttributes &attributes, TextProperties &props);

}  // namespace qrv::import::odf
