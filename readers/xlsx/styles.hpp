// The styles part of a workbook: number formats, fonts, fills, borders and
// the cell formats (<cellXfs>) that cells name by index.  Every number format the
// cells use gets its key here, before any sheet is written.
#pragma once

#include <vector>

#include "numfmt/number_formats.hpp"
#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "fonts.hpp"
#include "theme.hpp"

namespace qrv::import::xlsx {

class Styles {
public:
    // The look of cell format index; the default look for an index out of
    // range (with one warning).
    const CellLook &look(uint32_t index);
    size_t size() const { return looks_.size(); }

    // Reads the styles part (none: every cell looks plain).
    static Styles read(Package &package, const std::string &part, const Theme &theme, NumberFormatTable &numbers,
                       Fonts &fonts);

private:
    std::vector<CellLook> looks_;
    CellLook plain_;
    Diagnostics *diagnostics_ = nullptr;
    bool warned_ = false;
};

}  // namespace qrv::import::xlsx
