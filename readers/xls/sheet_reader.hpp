// One worksheet substream, streamed into a SheetBuilder: its cells (shared
// and own strings, numbers, packed numbers, truth values, errors, cached
// formula results), column widths, hidden rows, merged ranges, links and
// comments.
#pragma once

#include <span>

#include "sheet/sheet_builder.hpp"
#include "cell_looks.hpp"
#include "globals.hpp"

namespace qrv::import::xls {

struct SheetContext {
    const Globals &book;
    const CellLooks &looks;
    const CodePage &page;
    TextStore &texts;
    Diagnostics &diagnostics;
};

// Reads the substream whose BOF record is at offset.
void read_sheet(SheetContext &context, std::span<const uint8_t> stream, uint32_t offset, SheetBuilder &sheet);

}  // namespace qrv::import::xls
