#include "font_faces.hpp"

namespace qrv::import::odf {

std::string first_font_family(std::string_view value) {
    value = value.substr(0, value.find(','));
    const size_t first = value.find_first_not_of(" '\"");
    if (first == std::string_view::npos) return {};
    const size_t last = value.find_last_not_of(" '\"");
    return std::string(value.substr(first, last - first + 1));
}

void add_font_face(const XmlAttributes &attributes, FontFaces &faces) {
    const std::string_view face = attributes.get(Ns::Style, "name");
    const std::string family = first_font_family(attributes.get(Ns::Svg, "font-family"));
    faces[std::string(face)] = family.empty() ? std::string(face) : family;
}

std::string family_of_face(const FontFaces &faces, std::string_view face) {
    const auto found = faces.find(face);
    return found != faces.end() ? found->second : std::string(face);
}

}  // namespace qrv::import::odf
