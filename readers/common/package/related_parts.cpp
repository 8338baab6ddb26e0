#include "related_parts.hpp"

namespace qrv::import {

std::string main_part_of(Package &package, std::string_view fallback) {
    const Relationship *r = related_part(package, "", "officeDocument");
    return r ? r->target : std::string(fallback);
}

const Relationship *related_part(Package &package, std::string_view part, std::string_view type) {
    const Relationship *r = package.first_of_type(part, type);
    return r && !r->external ? r : nullptr;
}

}  // namespace qrv::import
