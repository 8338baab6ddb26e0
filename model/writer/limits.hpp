// The bounds one build works within; the readers fill them in from their
// options.
#pragma once

#include <cstdint>

namespace qrv::import {

struct Limits {
    // A part larger than this when decompressed is refused: few real parts
    // of a document come near it, while an archive bomb reaches it at once.
    // Unless the caller set it, a part that shrank no more than XML does
    // (by_ratio) may pass it.
    uint64_t max_part_bytes = uint64_t{1} << 30;
    bool part_bytes_by_ratio = true;
    uint64_t max_total_bytes = uint64_t{4} << 30;
    // About 2 GiB of items; a real document of this size is not read.
    uint32_t max_items = 128u << 20;
    // Element nesting of one XML part.
    uint32_t max_depth = 100000;
    // Entries of one archive.
    uint32_t max_entries = 1u << 20;
    // The pictures a document keeps, all together; past it they are shown
    // by name only.
    uint64_t max_picture_bytes = uint64_t{1} << 30;
};

}  // namespace qrv::import
