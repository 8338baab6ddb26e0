// The bounds one import works within, from IMOptions with defaults filled in.
#pragma once

#include <qrvim.h>

#include <cstdint>

namespace qrv::import {

struct Limits {
    // A part larger than this when decompressed is refused: no real part of
    // a document comes near it, while an archive bomb reaches it at once.
    uint64_t max_part_bytes = uint64_t{1} << 30;
    uint64_t max_total_bytes = uint64_t{4} << 30;
    // About 2 GiB of items; a real document of this size is not read.
    uint32_t max_items = 128u << 20;
    // Element nesting of one XML part.
    uint32_t max_depth = 100000;
    // Entries of one archive.
    uint32_t max_entries = 1u << 20;

    static Limits from(const IMOptions *options);
};

inline Limits Limits::from(const IMOptions *options) {
    Limits limits;
    if (!options) return limits;
    if (options->MaxPartBytes) limits.max_part_bytes = options->MaxPartBytes;
    if (options->MaxTotalBytes) limits.max_total_bytes = options->MaxTotalBytes;
    if (options->MaxItems) limits.max_items = options->MaxItems;
    if (options->MaxDepth) limits.max_depth = options->MaxDepth;
    return limits;
}

}  // namespace qrv::import
