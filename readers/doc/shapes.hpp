// The main text's shapes: a table of the table stream gives each shape's
// identifier and the rectangle it is drawn in (twips from the page or
// column it is placed against) at the position of its anchor, a
// drawn-object mark.  Text boxes find their anchor here by their shape's
// identifier; a shape drawn alone is shown at its size.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "piece_table.hpp"

namespace qrv::import::doc {

struct Shape {
    uint32_t identifier = 0;
    uint32_t width_pt = 0, height_pt = 0;  // 0 where the rectangle is empty or turned round
};

class Shapes {
public:
    // Only shapes anchored at a drawn-object mark of the main text are
    // kept; a table beyond the stream, or whose positions go back, leaves
    // them all out with a warning.
    Shapes(std::span<const uint8_t> table, const Fib &fib, const DocText &text, Diagnostics &diagnostics);

    // The shape anchored at cp, or null.
    const Shape *anchored_at(uint32_t cp) const;
    // The anchor of the shape with that identifier.
    std::optional<uint32_t> anchor_of(uint32_t identifier) const;

private:
    std::map<uint32_t, Shape> by_anchor_;
    std::map<uint32_t, uint32_t> anchor_by_identifier_;
};

}  // namespace qrv::import::doc
