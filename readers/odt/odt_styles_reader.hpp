// Reads the style regions of an OpenDocument text (<office:font-face-decls>,
// <office:styles>, <office:automatic-styles>): common paragraph and text
// styles and the paragraph defaults into the text document; automatic
// styles, list styles, the outline numbering, table column and row styles
// into the style sheet the body reader looks them up in.  One reader a
// region kind: common or automatic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "package/xml_reader.hpp"
#include "textdoc/text_document.hpp"
#include "odf/style_family.hpp"
#include "odt_style_sheet.hpp"

namespace qrv::import::odf {

class OdtStylesReader final : public XmlHandler {
public:
    enum class Origin : uint8_t { Common, Automatic };

    OdtStylesReader(Origin origin, OdtStyleSheet &sheet, textdoc::TextDocument &doc)
        : origin_(origin), sheet_(sheet), doc_(doc) {}

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;

private:
    // The definition being read (the region's child).
    enum class Definition : uint8_t { None, Defaults, Paragraph, Text, Column, Row, List, Outline };

    // The definition a style of this family is read as.
    static Definition definition_of(Family family);
    void start_definition(const XmlName &name, const XmlAttributes &a);
    void start_style(const XmlAttributes &a);
    void property(const XmlName &name, const XmlAttributes &a);
    void start_list_level(const XmlName &name, const XmlAttributes &a);
    void finish_list_level();
    void finish_definition();
    void finish_style();
    void finish_list();

    Origin origin_;
    OdtStyleSheet &sheet_;
    textdoc::TextDocument &doc_;
    uint32_t depth_ = 0;  // inside the region: 1 for a definition
    Definition definition_ = Definition::None;
    std::string name_;  // of the style being read
    textdoc::StyleDefinition style_;
    std::optional<std::string> list_style_;
    int32_t measure_ = 0;  // a column's width, a row's height
    std::string list_name_;
    textdoc::ListDefinition list_;
    textdoc::ListLevel *level_ = nullptr;  // the list level being read
    textdoc::CharFormat level_chars_;      // its text properties
};

}  // namespace qrv::import::odf
