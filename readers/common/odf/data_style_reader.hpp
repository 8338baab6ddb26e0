// Reads one data style element and its children into a DataStyle.  The
// styles reader hands it every element from the data style's own start to
// its end.
#pragma once

#include <optional>
#include <string_view>

#include "package/xml_reader.hpp"
#include "data_style.hpp"

namespace qrv::import::odf {

// The kind of a data style element (number:date-style ...), or none.
std::optional<DataStyleKind> data_style_kind(const XmlName &name);

class DataStyleReader {
public:
    explicit DataStyleReader(DataStyle &style) : style_(style) {}

    // The children of the data style element.
    void start(const XmlName &name, const XmlAttributes &attributes);
    void end(const XmlName &name);
    void text(std::string_view chars);

private:
    DataStyle &style_;
    std::string *text_ = nullptr;  // where characters go, if anywhere
};

}  // namespace qrv::import::odf
