// The header before an inline picture's data in the Data stream, where a
// picture mark's run places it (0x6A03): its length with the data, the
// header's own length, the picture's size before cropping and scaling
// (twips), its scale (tenths of a percent) and the crop at each edge
// (twips).  The picture's drawing records follow the header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace qrv::import::doc {

struct PictureHeader {
    std::span<const uint8_t> records;      // what follows the header, up to the length it states
    uint32_t width_pt = 0, height_pt = 0;  // as shown: cropped, then scaled; 0 where unknown
};

// The header at offset, or none when it, or the length it states, reaches
// past the stream, or its own length is not the one headers have (form
// fields and links keep other data at such places).
std::optional<PictureHeader> picture_header(std::span<const uint8_t> data, uint32_t offset);

}  // namespace qrv::import::doc
