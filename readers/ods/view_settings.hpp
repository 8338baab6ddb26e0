// How a spreadsheet's sheets are viewed, from its view settings
// (settings.xml, or office:settings of a flat document): whether zero
// values and gridlines show (ShowZeroValues, ShowGrid of a view, for every
// sheet, or of one sheet's entry in the view's Tables map, for that sheet)
// and the rows frozen at the top of a sheet (VerticalSplitMode 2 and
// VerticalSplitPosition of its entry).  Without them, zeros and gridlines
// show and no row is frozen.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

class ViewSettingsReader final : public XmlHandler {
public:
    bool zeros_shown(std::string_view sheet) const { return item(sheet, "ShowZeroValues", "true") != "false"; }
    bool gridlines_shown(std::string_view sheet) const { return item(sheet, "ShowGrid", "true") != "false"; }
    uint32_t frozen_rows(std::string_view sheet) const;

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

private:
    using Items = std::map<std::string, std::string, std::less<>>;
    // A sheet's own value of an item, else the document's, else fallback.
    std::string_view item(std::string_view sheet, std::string_view name, std::string_view fallback) const;

    Items document_;
    std::map<std::string, Items, std::less<>> sheets_;
    uint32_t depth_ = 0;
    uint32_t tables_depth_ = 0;  // of the open Tables map; 0: none open
    std::string sheet_;          // the Tables entry open, or empty
    std::string item_;           // the item open, one of those kept, or empty
    std::string value_;
};

}  // namespace qrv::import::odf
