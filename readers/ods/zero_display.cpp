#include "zero_display.hpp"

namespace qrv::import::odf {

bool ZeroDisplayReader::zeros_shown(std::string_view sheet) const {
    const auto found = sheets_.find(std::string(sheet));
    if (found != sheets_.end()) return found->second;
    return document_.value_or(true);
}

void ZeroDisplayReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (name.ns != Ns::Config) return;
    const std::string_view config_name = a.get(Ns::Config, "name");
    if (name.local == "config-item-map-named" && config_name == "Tables" && !tables_depth_) {
        tables_depth_ = depth_;
    } else if (name.local == "config-item-map-entry" && tables_depth_ && depth_ == tables_depth_ + 1) {
        sheet_ = config_name;
    } else if (name.local == "config-item" && config_name == "ShowZeroValues") {
        in_item_ = true;
        value_.clear();
    }
}

void ZeroDisplayReader::end(const XmlName &) {
    if (in_item_) {
        in_item_ = false;
        const bool shown = value_ != "false";
        if (!sheet_.empty()) {
            sheets_[sheet_] = shown;
        } else if (!tables_depth_ && !document_) {
            document_ = shown;
        }
    }
    if (tables_depth_ && depth_ == tables_depth_ + 1) sheet_.clear();
    if (depth_ == tables_depth_) tables_depth_ = 0;
    --depth_;
}

void ZeroDisplayReader::text(std::string_view chars) {
    if (in_item_ && value_.size() < 16) value_ += chars;
}

}  // namespace qrv::import::odf
