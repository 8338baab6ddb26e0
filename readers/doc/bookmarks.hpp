// Bookmarks of the main text: their names, a string table of the table
// stream, and where each starts, a table of positions (with a record each,
// which names the bookmark's end; the end is not kept).  The i-th name is
// the i-th start's.  Links of the document point at them ("#name").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"

namespace qrv::import::doc {

struct BookmarkStart {
    uint32_t cp = 0;
    std::string name;
};

class Bookmarks {
public:
    Bookmarks() = default;
    // Tables beyond the stream, or whose positions go back, leave the
    // bookmarks out with a warning; a name table cut short keeps the
    // names before the cut.
    Bookmarks(std::span<const uint8_t> table, const Fib &fib, Diagnostics &diagnostics);

    // In the order of their positions.
    const std::vector<BookmarkStart> &starts() const { return starts_; }
    // The index of the first bookmark at or after cp.
    size_t first_from(uint32_t cp) const;

private:
    std::vector<BookmarkStart> starts_;
};

}  // namespace qrv::import::doc
