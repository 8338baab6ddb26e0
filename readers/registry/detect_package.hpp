// Telling a package's format by looking into it: the parts it holds, their
// relationships and content types, the OpenDocument mimetype entry.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "writer/limits.hpp"

namespace qrv::import {

// True when the bytes start like a ZIP archive.
bool looks_like_zip(std::span<const uint8_t> bytes);

// The format of a ZIP package, IM_FORMAT_AUTO when it cannot be told or
// the archive cannot be read (never throws).
uint32_t format_of_package(std::span<const uint8_t> bytes, const Limits &limits);

// The formats that content types and media types name, or IM_FORMAT_AUTO.
uint32_t format_of_content_type(std::string_view type);
uint32_t format_of_odf_media_type(std::string_view type);

}  // namespace qrv::import
