// Records that grow by versions: a caller states how many bytes of the
// record it filled (StructSize, as Win32's cbSize), and a field past that
// size is one the caller's version did not have.
#pragma once

#include <cstddef>

namespace qrv {

// Whether a record of the given stated size holds the member at the
// given offset and size: QRV_RECORD_HAS(options, IMOptions, Flags).
constexpr bool record_size_covers(size_t stated_size, size_t offset, size_t size) {
    return stated_size >= offset + size;
}

}  // namespace qrv

#define QRV_RECORD_HAS(pointer, Type, field) \
    ::qrv::record_size_covers((pointer)->StructSize, offsetof(Type, field), sizeof(pointer)->field)
