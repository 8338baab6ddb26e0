// What decides the class of a sheet's cell (its frame, alignment, colour
// and the format of its whole text), compared and hashed without building
// the declarations: a sheet of a million cells in a few looks builds them
// a few times.  The frame is the walk's, of the sheet in hand.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sheet.hpp"

namespace qrv::filters::html {

struct CellLookKey {
    const SheetFrame *frame = nullptr;
    bool aligned = false;
    Align align = Align::Left;
    uint32_t colour = kNoColour;
    bool whole_span = false;  // format and span_colour hold the whole text's
    TextFormat format;
    uint32_t span_colour = kNoColour;

    bool operator==(const CellLookKey &) const = default;
    // The key of a cell; its whole text's format is copied only where a
    // span covers it.
    static CellLookKey of(const SheetCell &cell);
};

// Whether a cell's text is one span whose format the cell's class can
// hold (not hidden, raised or lowered: those stay on the span).
bool spans_whole_text(const SheetCell &cell);

struct CellLookHash {
    size_t operator()(const CellLookKey &key) const;
};

}  // namespace qrv::filters::html
