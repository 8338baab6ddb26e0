// Reads the style regions of an OpenDocument document into a StyleSheet:
// <office:font-face-decls>, <office:styles> (common styles, defaults and
// data styles) and <office:automatic-styles>.  One reader a region.
#pragma once

#include <memory>

#include "package/xml_reader.hpp"
#include "data_style_reader.hpp"
#include "style_sheet.hpp"

namespace qrv::import::odf {

class StylesReader final : public XmlHandler {
public:
    StylesReader(StyleSheet &sheet, StyleSheet::Origin origin) : sheet_(sheet), origin_(origin) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

private:
    void start_style(const XmlName &name, const XmlAttributes &attributes);
    void style_property(const XmlName &name, const XmlAttributes &attributes);

    StyleSheet &sheet_;
    StyleSheet::Origin origin_;
    uint32_t depth_ = 0;                     // inside the region
    Style *style_ = nullptr;                 // the style:style being read (depth 1)
    std::unique_ptr<DataStyleReader> data_;  // the data style being read
};

}  // namespace qrv::import::odf
