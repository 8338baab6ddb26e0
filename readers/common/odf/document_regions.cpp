#include "document_regions.hpp"

#include "core/named_values.hpp"

namespace qrv::import::odf {
namespace {

constexpr Named<Region> kRegions[] = {
    {"meta", Region::kMeta},     {"settings", Region::kSettings}, {"font-face-decls", Region::kFontFaces},
    {"styles", Region::kStyles}, {"automatic-styles", Region::kAutomaticStyles},
    {"master-styles", Region::kMasterStyles}, {"body", Region::kBody},
};

// The root: office:document (flat), office:document-content and the like.
bool is_root(const XmlName &name) { return name.ns == Ns::Office && name.local.starts_with("document"); }

}  // namespace

void RegionRouter::start(const XmlName &name, const XmlAttributes &attributes) {
    if (depth_ > 0) {
        ++depth_;
        if (current_) current_->start(name, attributes);
        return;
    }
    if (is_root(name)) return;
    // Any other element under the root is a region; scripts have no reader.
    depth_ = 1;
    const auto region = name.ns == Ns::Office ? value_named(kRegions, name.local) : std::nullopt;
    current_ = region ? readers_[static_cast<size_t>(*region)] : nullptr;
}

void RegionRouter::end(const XmlName &name) {
    if (depth_ == 0) return;
    if (--depth_ == 0) {
        current_ = nullptr;
        return;
    }
    if (current_) current_->end(name);
}

void RegionRouter::text(std::string_view chars) {
    if (depth_ > 1 && current_) current_->text(chars);
}

}  // namespace qrv::import::odf
