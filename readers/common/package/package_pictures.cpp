#include "package_pictures.hpp"

#include <algorithm>

#include "core/leading_number.hpp"

namespace qrv::import {

std::string keep_picture_part(Package &package, PictureStore &pictures, std::string_view part) {
    if (!pictures.keeps_pictures() || part.empty()) return {};
    const std::string type = package.content_type(part);
    const std::string_view media_type = type.starts_with("image/") ? std::string_view(type) : std::string_view{};
    return pictures.keep(part, media_type,
                         [&] { return package.archive().read_all(part, package.limits().max_part_bytes); });
}

std::string picture_target(Package &package, std::string_view part, std::string_view relationship_id) {
    if (relationship_id.empty()) return {};
    const Relationship *r = package.relationship(part, relationship_id);
    return r && !r->external ? r->target : std::string{};
}

uint32_t points_of_emu(int64_t emu) {
    constexpr int64_t kEmuPerPoint = 12700;
    if (emu <= 0) return 0;
    return static_cast<uint32_t>(std::min<int64_t>((emu + kEmuPerPoint / 2) / kEmuPerPoint, 0xFFFF));
}

uint32_t points_of_emu(std::string_view emu) { return points_of_emu(number_or_zero<int64_t>(emu)); }

}  // namespace qrv::import
