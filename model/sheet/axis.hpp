// The rows or the columns of a sheet as a section lays them out: every
// source row (column) up to the last one in use, except that a long
// stretch of empty ones becomes a single gap entry.  A sheet with cells at
// A1 and XFD1048576 thus has two columns and three rows, not billions of
// empty cells.
#pragma once

#include <cstdint>
#include <vector>

namespace qrv::import {

class Axis {
public:
    // Stretches of more than this many empty rows or columns are collapsed.
    static constexpr uint32_t kLongestKeptGap = 8;

    struct Entry {
        uint32_t source;  // the source row or column; a gap's first one
        bool gap;
    };

    // used: the source indices in use, sorted, without repeats.
    explicit Axis(const std::vector<uint32_t> &used, uint32_t longest_kept_gap = kLongestKeptGap);

    const std::vector<Entry> &entries() const { return entries_; }
    uint32_t size() const { return static_cast<uint32_t>(entries_.size()); }
    // The entry that holds a source index (a gap holds a stretch).
    uint32_t place_of(uint32_t source) const;
    // Whether a source index has an entry of its own (not in a gap, not
    // past the last one in use).
    bool lays_out(uint32_t source) const;

private:
    std::vector<Entry> entries_;
};

}  // namespace qrv::import
