// Document properties of an OpenDocument file (<office:meta>, in meta.xml
// or inside a flat document): title, subject, the first and the last
// author, keywords, description, and when it was created and changed.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "../package/core_properties.hpp"
#include "../package/xml_reader.hpp"

namespace qrv::import::odf {

// Fed the elements inside <office:meta>.
class MetaReader final : public XmlHandler {
public:
    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

    // The properties read, in the order the document gives them; the
    // keywords joined by ", ".
    std::vector<std::pair<CoreProperty, std::string>> properties() const;

private:
    std::vector<std::pair<CoreProperty, std::string>> read_;
    std::optional<CoreProperty> current_;
    std::string value_;
};

}  // namespace qrv::import::odf
