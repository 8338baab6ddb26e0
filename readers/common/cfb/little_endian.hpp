// Little-endian integers read byte by byte: no alignment is assumed.
#pragma once

#include <cstdint>
#include <cstring>

namespace qrv::import {

inline uint16_t le16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t le32(const uint8_t *p) { return uint32_t{le16(p)} | uint32_t{le16(p + 2)} << 16; }
inline uint64_t le64(const uint8_t *p) { return uint64_t{le32(p)} | uint64_t{le32(p + 4)} << 32; }
inline double le_double(const uint8_t *p) {
    const uint64_t bits = le64(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

}  // namespace qrv::import
