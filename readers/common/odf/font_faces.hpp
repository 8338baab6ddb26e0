// The font faces a document declares (<style:font-face>): the name styles
// give a face by (style:font-name) and the family it stands for.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

using FontFaces = std::map<std::string, std::string, std::less<>>;

// The first family of a font-family value, without its quotes
// ("'Liberation Serif', serif" is Liberation Serif).
std::string first_font_family(std::string_view value);

// Adds the face a <style:font-face> declares; a face that names no family
// stands for the family of its own name.
void add_font_face(const XmlAttributes &attributes, FontFaces &faces);

// The family a face name stands for; a face that is not declared is a
// family itself.
std::string family_of_face(const FontFaces &faces, std::string_view face);

}  // namespace qrv::import::odf
