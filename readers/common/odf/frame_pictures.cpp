#include "frame_pictures.hpp"

#include "attribute_values.hpp"
#include "package/package_pictures.hpp"

namespace qrv::import::odf {

std::string FramePictures::keep(std::string_view href) {
    if (href.starts_with("./")) href.remove_prefix(2);
    if (href.empty() || href.find(':') != std::string_view::npos || href.starts_with("/") || href.starts_with("../"))
        return {};
    return keep_picture_part(package_, store_, href);
}

uint32_t points_of_length(std::string_view length) {
    const auto twips = twips_of_length(length);
    return twips ? (*twips + 10) / 20 : 0;
}

}  // namespace qrv::import::odf
