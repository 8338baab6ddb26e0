// The font table of the table stream: a count, a word of extra size (none
// is kept), then one font a slot, each after its length byte: the family,
// weight, character set, the alternative name's place, the shape and
// signature bytes, then the name in UTF-16 up to a zero.  Runs name their
// font by its slot.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "writer/diagnostics.hpp"
#include "fib.hpp"
#include "sprm.hpp"

namespace qrv::import::doc {

class FontTable {
public:
    FontTable() = default;
    // A table cut short keeps the fonts before the cut, with a warning.
    FontTable(std::span<const uint8_t> table, Span place, Diagnostics &diagnostics);

    // The name in a slot, or null for a slot the table does not hold.
    const std::string *name(uint16_t slot) const { return slot < names_.size() ? &names_[slot] : nullptr; }
    // Sets the run's font from the slot its changes named (the Latin
    // font, else the one for other scripts), where the table holds it.
    void name_font(CharProps &props) const;

private:
    std::vector<std::string> names_;
};

}  // namespace qrv::import::doc
