// Text boxes of the main text: a table of where each box's text lies in
// the text boxes' story, each with the identifier of its first shape,
// whose anchor (a drawn-object mark) the main text's shapes give.  The last
// text of the table is a spare, as are those marked reusable.  A box whose
// shape is not found is written after the main text.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "shapes.hpp"
#include "stories.hpp"

namespace qrv::import::doc {

class TextBoxes {
public:
    // A table beyond the stream, or that goes back, leaves the text boxes
    // out with a warning.
    TextBoxes(std::span<const uint8_t> table, const Fib &fib, const Shapes &shapes, Diagnostics &diagnostics);

    // The boxes anchored at position cp.
    std::span<const StoryRange> anchored_at(uint32_t cp) const;
    // The boxes whose anchor is not found.
    const std::vector<StoryRange> &unanchored() const { return unanchored_; }

private:
    std::map<uint32_t, std::vector<StoryRange>> anchored_;
    std::vector<StoryRange> unanchored_;
};

}  // namespace qrv::import::doc
