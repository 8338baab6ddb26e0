// The bounds of one import from IMOptions, with defaults where a field is 0.
#pragma once

#include <qrvim.h>

#include <qrvplatform/record_size.hpp>

#include <cstddef>

#include "writer/limits.hpp"

namespace qrv::import {

inline Limits limits_from(const IMOptions *options) {
    Limits limits;
    if (!options) return limits;
    if (options->MaxPartBytes) {
        limits.max_part_bytes = options->MaxPartBytes;
        limits.part_bytes_by_ratio = false;
    }
    if (options->MaxTotalBytes) limits.max_total_bytes = options->MaxTotalBytes;
    if (options->MaxItems) limits.max_items = options->MaxItems;
    if (options->MaxDepth) limits.max_depth = options->MaxDepth;
    return limits;
}

// The IM_READ_* flags asked for; none where the options are older than
// the field.
inline uint32_t read_flags_from(const IMOptions *options) {
    if (!options || !QRV_RECORD_HAS(options, IMOptions, Flags)) return 0;
    return options->Flags;
}

}  // namespace qrv::import
