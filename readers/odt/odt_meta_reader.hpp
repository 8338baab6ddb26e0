// The document properties of an OpenDocument text (<office:meta>, in
// meta.xml or inside a flat document) into the text document: title,
// subject, description, the first and the last author, keywords (one an
// element, joined), the dates of creation and of the last change, the
// program that wrote it, how often it was saved, its statistics, and the
// user-defined properties.
#pragma once

#include <optional>
#include <string>

#include "package/xml_reader.hpp"
#include "textdoc/text_document.hpp"

namespace qrv::import::odf {

class OdtMetaReader final : public XmlHandler {
public:
    explicit OdtMetaReader(textdoc::TextDocument &doc) : doc_(doc) {}

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

    // Hands the properties read to the document (the keywords joined).
    void finish();

private:
    textdoc::TextDocument &doc_;
    std::optional<textdoc::Property> current_;
    std::string custom_name_;
    bool in_custom_ = false;
    std::string value_, keywords_;
};

}  // namespace qrv::import::odf
