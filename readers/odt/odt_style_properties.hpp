// The formatting properties of an OpenDocument text style
// (<style:text-properties>, <style:paragraph-properties> and its tab stops)
// into the text document's formats.  Common styles, automatic styles, the
// document defaults and list levels all state formatting this way; each
// reader takes one table of attribute and what it sets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "package/xml_reader.hpp"
#include "textdoc/text_formats.hpp"
#include "odf/char_format.hpp"
#include "odf/font_faces.hpp"

namespace qrv::import::odf {

// A signed length in twips ("-0.25in", "1.27cm"); nothing for a percentage
// or text that is no length.
std::optional<int32_t> signed_twips(std::string_view text);

// The attributes of a <style:paragraph-properties>.
void read_paragraph_properties(const XmlAttributes &a, textdoc::ParaFormat &para);

// A <style:tab-stop> of the paragraph properties.
void read_tab_stop(const XmlAttributes &a, textdoc::ParaFormat &para);

}  // namespace qrv::import::odf
