#include "chart_resource.hpp"

#include <qrvmodel/chart_codec.hpp>

#include <string>

namespace qrv::filters {

std::shared_ptr<const model::Chart> chart_of_resource(CHHandle h, std::string_view resource) {
    if (resource.empty()) return nullptr;
    const std::string name(resource);
    const void *bytes = nullptr;
    size_t length = 0;
    const char *media_type = nullptr;
    if (CHGetResource(h, name.c_str(), &bytes, &length, &media_type) != 0 || !media_type) return nullptr;
    if (std::string_view(media_type) != model::kChartMediaType) return nullptr;
    auto chart = std::make_shared<model::Chart>();
    if (!model::parse_chart({static_cast<const char *>(bytes), length}, *chart)) return nullptr;
    return chart;
}

}  // namespace qrv::filters
