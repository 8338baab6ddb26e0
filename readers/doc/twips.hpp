// Sizes of shapes and pictures, stated in twips (a twentieth of a point),
// as whole points for the objects that show them.
#pragma once

#include <cstdint>

namespace qrv::import::doc {

// Rounded to the nearest point; 0 (unknown) for an empty or negative
// extent and for one no page could hold (a damaged record).
inline uint32_t points_of_twips(int64_t twips) {
    constexpr int64_t kLargest = int64_t{0xFFFF} * 20;
    if (twips <= 0 || twips > kLargest) return 0;
    return static_cast<uint32_t>((twips + 10) / 20);
}

}  // namespace qrv::import::doc
