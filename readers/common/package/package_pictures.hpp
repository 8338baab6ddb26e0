// Pictures that are parts of a package: kept as the document's resources,
// each read once, with the media type the package states for it (else the
// one its extension implies).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "package.hpp"
#include "writer/picture_store.hpp"

namespace qrv::import {

// The resource name of the picture in a part of the package, "" when it is
// not kept (PictureStore::keep).
std::string keep_picture_part(Package &package, PictureStore &pictures, std::string_view part);

// The part a relationship of a part names when it is a picture the package
// holds; "" for an external target or an unknown id.
std::string picture_target(Package &package, std::string_view part, std::string_view relationship_id);

// Points of a length in EMU (914400 an inch), at most 65535; 0 for none
// (digits that are no length, a length of 0 or less).
uint32_t points_of_emu(int64_t emu);
uint32_t points_of_emu(std::string_view emu);

}  // namespace qrv::import
