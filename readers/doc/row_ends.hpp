// The marks that end the rows of a story's tables, each with the row's
// layout where its mark states one.  A row's cells come before the mark
// that lays them out, so a paragraph that opens a row looks its layout up
// here: that of the first row end of its table's level from the
// paragraph on.
#pragma once

#include <cstdint>
#include <vector>

#include "rtf/row_definition.hpp"
#include "fkp.hpp"
#include "piece_table.hpp"
#include "sprm.hpp"

namespace qrv::import::doc {

// The properties of the paragraph whose mark is at cp.
ParaProps paragraph_at(const DocText &text, const FormatRuns &paragraphs, uint32_t cp);

// The level of the row a mark ends (a cell mark with the row-end flag, or
// a nested table's row-end paragraph), 0 for none.
size_t row_end_level(char16_t mark, const ParaProps &props);

class RowEnds {
public:
    // The row ends among characters [from, to).
    RowEnds(const DocText &text, const FormatRuns &paragraphs, uint32_t from, uint32_t to);

    // The layout of the row of level (1 for the outer table) that a
    // paragraph starting at cp is in, or null where its mark states none.
    const rtf::RowDefinition *row(size_t level, uint32_t cp) const;
    // A paragraph's tab stops or a row's cells were cut short.
    bool cut() const { return cut_; }

private:
    struct End {
        uint32_t cp = 0;
        std::optional<rtf::RowDefinition> row;
    };

    std::vector<std::vector<End>> by_level_;
    bool cut_ = false;
};

}  // namespace qrv::import::doc
