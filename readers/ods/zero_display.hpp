// Whether a spreadsheet's sheets show zero values, from its view settings
// (settings.xml, or office:settings of a flat document): the item
// ShowZeroValues of a view, for every sheet, or of one sheet's entry in
// the view's Tables map, for that sheet.  Without either, zeros show.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

class ZeroDisplayReader final : public XmlHandler {
public:
    bool zeros_shown(std::string_view sheet) const;

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

private:
    std::optional<bool> document_;
    std::unordered_map<std::string, bool> sheets_;
    uint32_t depth_ = 0;
    uint32_t tables_depth_ = 0;  // of the open Tables map; 0: none open
    std::string sheet_;          // the Tables entry open, or empty
    bool in_item_ = false;       // inside a ShowZeroValues item
    std::string value_;
};

}  // namespace qrv::import::odf
