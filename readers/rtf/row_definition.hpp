// A table row as RTF defines it (\trowd ... \cellx): the cells' right
// edges and merges, the row's height and whether it repeats as a header.
#pragma once

#include <cstdint>
#include <vector>

#include "textdoc/text_sink.hpp"

namespace qrv::import::rtf {

enum class HorizontalMerge : uint8_t { None, First, Continued };

struct CellDefinition {
    int32_t right = 0;  // twips from the row's left edge
    HorizontalMerge horizontal = HorizontalMerge::None;
    textdoc::VerticalMerge vertical = textdoc::VerticalMerge::None;
};

struct RowDefinition {
    std::vector<CellDefinition> cells;
    bool header = false;
    int32_t height = 0;

    // Rows beyond this many cells are cut there.
    static constexpr size_t kMaxCells = 256;

    std::vector<int32_t> grid() const;
    // The cell that begins at cell index; its span counts the merged cells after it.
    textdoc::CellStart cell(size_t index) const;
    bool continues_merge(size_t index) const {
        return index < cells.size() && cells[index].horizontal == HorizontalMerge::Continued;
    }
};

}  // namespace qrv::import::rtf
