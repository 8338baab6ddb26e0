#include <qrvim.h>

#include <cctype>

#include "detect_package.hpp"
#include "package/package.hpp"

namespace qrv::import {
namespace {

uint32_t format_inside(Package &package) {
    if (package.has("mimetype")) {
        std::string type = package.archive().read_all("mimetype", 256);
        while (!type.empty() && std::isspace(static_cast<unsigned char>(type.back()))) type.pop_back();
        if (uint32_t f = format_of_odf_media_type(type)) return f;
    }
    if (const Relationship *main = package.first_of_type("", "officeDocument"))
        if (uint32_t f = format_of_content_type(package.content_type(main->target))) return f;
    if (package.has("xl/workbook.xml")) return IM_FORMAT_XLSX;
    if (package.has("word/document.xml")) return IM_FORMAT_DOCX;
    return IM_FORMAT_AUTO;
}

}  // namespace

uint32_t format_of_package(std::span<const uint8_t> bytes, const Limits &limits) {
    try {
        Diagnostics quiet;
        Package package(bytes, limits, quiet);
        return format_inside(package);
    } catch (...) {
        return IM_FORMAT_AUTO;  // told by its name, or not at all
    }
}

}  // namespace qrv::import
