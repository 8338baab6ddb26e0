// The core properties part of a package (docProps/core.xml): title,
// subject, author, keywords, description, last author, and the dates the
// document was created and last changed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <qrvmodel/properties.hpp>

#include "package.hpp"

namespace qrv::import {

// An element that holds a property, as a format names it.
struct PropertyElement {
    Ns ns;
    std::string_view local;
    model::PropertyId property;
};

// Reads the property elements of a table from the elements it is fed,
// each with its text; a property given again (OpenDocument's keywords, one
// an element) is joined to the first with ", ".
class PropertiesReader final : public XmlHandler {
public:
    explicit PropertiesReader(std::span<const PropertyElement> elements) : elements_(elements) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

    // The properties read, in the order they came.
    const std::vector<std::pair<model::PropertyId, std::string>> &properties() const { return read_; }

private:
    std::span<const PropertyElement> elements_;
    std::vector<std::pair<model::PropertyId, std::string>> read_;
    std::optional<model::PropertyId> current_;
    std::string value_;
};

// The elements of the core and the extended properties of an Office Open
// XML package, the standard properties first (model::kStandardPropertyCount).
std::span<const PropertyElement> ooxml_property_elements();

// The properties the package gives, each with its UTF-8 value (dates as
// written: ISO 8601).  None when the package has no core properties; a
// broken part is left out with a warning.
std::vector<std::pair<model::PropertyId, std::string>> read_core_properties(Package &package);

}  // namespace qrv::import
