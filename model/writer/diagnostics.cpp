#include "diagnostics.hpp"

#include <algorithm>

namespace qrv::import {

void Diagnostics::warn(std::string_view what) {
    std::string line = where(what);
    if (std::find(warnings_.begin(), warnings_.end(), line) != warnings_.end()) return;
    if (warnings_.size() < kKeptWarnings)
        warnings_.push_back(std::move(line));
    else
        ++dropped_;
}

std::string Diagnostics::where(std::string_view what) const {
    if (part_.empty()) return std::string(what);
    return part_ + ": " + std::string(what);
}

std::string Diagnostics::report() const {
    std::string text;
    for (const auto &w : warnings_) {
        if (!text.empty()) text += '\n';
        text += "warning: " + w;
    }
    if (dropped_) text += "\nwarning: " + std::to_string(dropped_) + " more warnings";
    return text;
}

}  // namespace qrv::import
