// The formats the importers read: short name, what they are, the
// extensions that name them, and the importer.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/import_job.hpp"

namespace qrv::import {

struct FormatInfo {
    uint32_t id;                   // IM_FORMAT_*
    std::string_view name;         // "xlsx"
    std::string_view description;  // "Office Open XML workbook"
    std::string_view extensions;   // "xlsx xlsm"
    Importer import;
};

// The format of an id, or null for IM_FORMAT_AUTO and unknown ids.
const FormatInfo *format_info(uint32_t id);
// The format of a short name or of an extension, case ignored, or null.
const FormatInfo *format_named(std::string_view name);
const FormatInfo *format_of_extension(std::string_view extension);

}  // namespace qrv::import
