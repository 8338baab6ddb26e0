#include "frame_pictures.hpp"

#include "attribute_values.hpp"
#include "chart_object.hpp"
#include "package/optional_part.hpp"
#include "package/package_pictures.hpp"

namespace qrv::import::odf {

namespace {

// The part an href of the document names, "" for a link out of it.
std::string_view part_of_href(std::string_view href) {
    if (href.starts_with("./")) href.remove_prefix(2);
    if (href.empty() || href.find(':') != std::string_view::npos || href.starts_with("/") || href.starts_with("../"))
        return {};
    return href;
}

}  // namespace

std::string FramePictures::keep(std::string_view href) {
    const std::string_view part = part_of_href(href);
    return part.empty() ? std::string() : keep_picture_part(package_, store_, part);
}

std::string FramePictures::keep_chart(std::string_view href) {
    std::string_view folder = part_of_href(href);
    while (folder.ends_with('/')) folder.remove_suffix(1);
    const std::string part = std::string(folder) + "/content.xml";
    if (folder.empty() || !package_.has(part)) return {};
    ChartObjectReader reader;
    if (!read_optional_part(package_, part, reader, "the chart's values are") || !reader.is_chart()) return {};
    return store_.keep_chart(part, reader.take());
}

uint32_t points_of_length(std::string_view length) {
    const auto twips = twips_of_length(length);
    return twips ? (*twips + 10) / 20 : 0;
}

}  // namespace qrv::import::odf
