// Telling a package's format by looking into it: the OpenDocument mimetype
// entry, the main part's content type, the parts it holds.
#pragma once

#include <cstdint>
#include <span>

#include "formats.hpp"
#include "writer/limits.hpp"

namespace qrv::import {

// True when the bytes start like a ZIP archive.
bool looks_like_zip(std::span<const uint8_t> bytes);

// The format of a ZIP package, null when it cannot be told or the archive
// cannot be read (never throws).
const FormatInfo *format_of_package(std::span<const uint8_t> bytes, const Limits &limits);

}  // namespace qrv::import
