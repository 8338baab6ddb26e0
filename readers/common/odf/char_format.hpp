// The character properties of an OpenDocument style
// (<style:text-properties>) as the text document's character format: what
// every OpenDocument reader shares (bold, italic, position, font, size,
// colour) and the kinds of lines, sizes in percent, highlighting, capitals
// and hidden text.  Text documents and presentations read them alike.
#pragma once

#include "package/xml_reader.hpp"
#include "textdoc/text_formats.hpp"
#include "font_faces.hpp"

namespace qrv::import::odf {

// The attributes of a <style:text-properties>; style:font-name is looked up
// in faces.
void read_text_properties(const XmlAttributes &a, const FontFaces &faces, textdoc::CharFormat &chars);

}  // namespace qrv::import::odf
