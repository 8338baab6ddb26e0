#include "view_settings.hpp"

#include <charconv>

namespace qrv::import::odf {
namespace {

constexpr std::string_view kKeptItems[] = {"ShowZeroValues", "ShowGrid", "VerticalSplitMode",
                                           "VerticalSplitPosition"};
constexpr std::string_view kFrozenSplit = "2";

bool kept(std::string_view name) {
    for (std::string_view k : kKeptItems)
        if (k == name) return true;
    return false;
}

}  // namespace

std::string_view ViewSettingsReader::item(std::string_view sheet, std::string_view name,
                                          std::string_view fallback) const {
    if (const auto entry = sheets_.find(sheet); entry != sheets_.end())
        if (const auto found = entry->second.find(name); found != entry->second.end()) return found->second;
    if (const auto found = document_.find(name); found != document_.end()) return found->second;
    return fallback;
}

uint32_t ViewSettingsReader::frozen_rows(std::string_view sheet) const {
    const auto entry = sheets_.find(sheet);
    if (entry == sheets_.end() || item(sheet, "VerticalSplitMode", "") != kFrozenSplit) return 0;
    const std::string_view rows = item(sheet, "VerticalSplitPosition", "0");
    uint32_t n = 0;
    auto [end, ec] = std::from_chars(rows.data(), rows.data() + rows.size(), n);
    return ec == std::errc() && end == rows.data() + rows.size() ? n : 0;
}

void ViewSettingsReader::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (name.ns != Ns::Config) return;
    const std::string_view config_name = a.get(Ns::Config, "name");
    if (name.local == "config-item-map-named" && config_name == "Tables" && !tables_depth_) {
        tables_depth_ = depth_;
    } else if (name.local == "config-item-map-entry" && tables_depth_ && depth_ == tables_depth_ + 1) {
        sheet_ = config_name;
    } else if (name.local == "config-item" && kept(config_name)) {
        item_ = config_name;
        value_.clear();
    }
}

void ViewSettingsReader::end(const XmlName &) {
    if (!item_.empty()) {
        // The first view's values stand for the document.
        if (!sheet_.empty())
            sheets_[sheet_].emplace(item_, value_);
        else if (!tables_depth_)
            document_.emplace(item_, value_);
        item_.clear();
    }
    if (tables_depth_ && depth_ == tables_depth_ + 1) sheet_.clear();
    if (depth_ == tables_depth_) tables_depth_ = 0;
    --depth_;
}

void ViewSettingsReader::text(std::string_view chars) {
    if (!item_.empty() && value_.size() < 16) value_ += chars;
}

}  // namespace qrv::import::odf
