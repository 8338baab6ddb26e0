#include <qrvim.h>

#include <cctype>

#include "detect_package.hpp"
#include "package/package.hpp"

namespace qrv::import {
namespace {

const FormatInfo *format_inside(Package &package) {
    if (package.has("mimetype")) {
        std::string type = package.archive().read_all("mimetype", 256);
        while (!type.empty() && std::isspace(static_cast<unsigned char>(type.back()))) type.pop_back();
        if (const FormatInfo *f = format_of_media_type(type)) return f;
    }
    if (const Relationship *main = package.first_of_type("", "officeDocument"))
        if (const FormatInfo *f = format_of_media_type(package.content_type(main->target))) return f;
    return format_with_member(Container::Zip, [&](std::string_view part) { return package.has(part); });
}

}  // namespace

const FormatInfo *format_of_package(std::span<const uint8_t> bytes, const Limits &limits) {
    try {
        Diagnostics quiet;
        Package package(bytes, limits, quiet);
        return format_inside(package);
    } catch (...) {
        return nullptr;  // told by its name, or not at all
    }
}

}  // namespace qrv::import
