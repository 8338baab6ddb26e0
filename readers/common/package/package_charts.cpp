#include "package_charts.hpp"

#include "chart_reader.hpp"
#include "optional_part.hpp"

namespace qrv::import {

std::string keep_chart_part(Package &package, PictureStore &store, std::string_view part) {
    if (part.empty() || !package.has(part)) return {};
    ChartReader reader;
    const std::string name(part);
    if (!read_optional_part(package, name, reader, "the chart's values are")) return {};
    return store.keep_chart(part, reader.take());
}

}  // namespace qrv::import
