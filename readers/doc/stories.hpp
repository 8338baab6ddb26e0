// The stories of a sub-document (notes, headers and footers, comments,
// text boxes): a table of positions bounds them, story i running from
// position i to position i + 1, both counted from the sub-document's start.
// Stories follow each other: one that goes back is left empty, one that
// reaches past the sub-document is cut at its end, and either makes the
// table unsound.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "plc.hpp"

namespace qrv::import::doc {

struct StoryRange {
    uint32_t start = 0, end = 0;  // document character positions
    bool empty() const { return end <= start; }
};

struct Stories {
    std::vector<StoryRange> ranges;
    bool sound = true;
};

// The first count stories the table bounds in the sub-document story.
Stories stories_of(const Plc &bounds, size_t count, const Fib &fib, Story story);

// The table at place with records of record_size: none when the document
// has none; none, with a warning naming what, when it lies beyond the
// table stream or its records' positions go back.
std::optional<Plc> table_of(std::span<const uint8_t> table, Span place, size_t record_size, std::string_view what,
                            Diagnostics &diagnostics);

// The ranges of stories, or none, with a warning naming what, when they
// are unsound.
std::vector<StoryRange> sound_ranges(Stories stories, std::string_view what, Diagnostics &diagnostics);

}  // namespace qrv::import::doc
