// The drawing records after an inline picture's header: the shape's
// container, then the picture's entry in the store (which holds the
// picture's record after its name) or the picture's record alone.  A
// record starts with its version and instance (16 bits, the instance in
// the top 12), its type and its length.  PNG and JPEG pictures are found;
// the others (metafiles, bitmaps, TIFF) are not.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qrv::import::doc {

struct PictureBytes {
    std::span<const uint8_t> bytes;  // the file as a page shows it
    std::string_view media_type, extension;
};

// The first PNG or JPEG picture of the records; none when there is none,
// or a record reaches past the records or holds no such file's signature.
std::optional<PictureBytes> picture_of_records(std::span<const uint8_t> records);

}  // namespace qrv::import::doc
