// The counted entries of a document's tag list read once, for the
// definition searches of one export run.
//
// A definition search scans the tag list (store 16) from its first entry,
// and a style sheet searches once for every style it loads, so a document
// with many styles costs the square of their number.  The snapshot answers
// the scan of the counted entries from a table of the first entry under
// each key and tag code; what the search does around that scan (the count,
// the entries past it) it still does itself.
#pragma once

#include <qrvch.h>

#include "memory/global_allocator.hpp"

#include <cstdint>
#include <optional>

namespace qrv::chunk {

class TagListSnapshot {
public:
    explicit TagListSnapshot(CHHandle h);

    // False when the counted entries could not be read in place: the
    // search then finds out why itself.
    bool readable() const { return readable_; }
    uint32_t counted() const { return counted_; }
    // The tag begin of the first counted entry under key and tag_code, or
    // nothing when no counted entry matches.
    std::optional<uint32_t> begin_of(uint32_t key, uint32_t tag_code) const;

private:
    static uint64_t key_of(uint32_t key, uint32_t tag_code) { return (uint64_t{key} << 32) | tag_code; }

    uint32_t counted_ = 0;
    bool readable_ = false;
    memory::GlobalHashMap<uint64_t, uint32_t> first_begin_;
};

}  // namespace qrv::chunk
