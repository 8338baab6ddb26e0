// The top-level regions of an OpenDocument XML document: the properties,
// the view settings, the font faces, the common, the automatic and the
// master styles, and the body.  meta.xml, settings.xml, styles.xml and
// content.xml each hold some of them and a flat document holds all, in
// that order.  A RegionRouter hands each region's
// elements (not the region's own) to the reader given for it and passes
// over the regions without one.
#pragma once

#include <cstdint>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

enum class Region : uint8_t { kMeta, kSettings, kFontFaces, kStyles, kAutomaticStyles, kMasterStyles, kBody, kCount };

class RegionRouter final : public XmlHandler {
public:
    void route(Region region, XmlHandler *reader) { readers_[static_cast<size_t>(region)] = reader; }

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;
    void text(std::string_view chars) override;

private:
    XmlHandler *readers_[static_cast<size_t>(Region::kCount)] = {};
    XmlHandler *current_ = nullptr;  // of the region being read; null: passed over
    uint32_t depth_ = 0;             // elements open inside the region, its own included
};

}  // namespace qrv::import::odf
