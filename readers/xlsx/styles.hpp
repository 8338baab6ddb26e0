// The styles part of a workbook: number formats, fonts, fills, borders and
// the cell formats (<cellXfs>) that cells name by index.  Every number format the
// cells use gets its key here, before any sheet is written.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "numfmt/number_formats.hpp"
#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "fonts.hpp"
#include "theme.hpp"

namespace qrv::import::xlsx {

// A cell format as a styles part gives it: indexes into the tables below
// and its own alignment.
struct XfSpec {
    uint32_t format_id = 0;
    uint32_t font = 0;
    uint32_t fill = 0;
    uint32_t border = 0;
    CellAlign align = CellAlign::General;
    uint8_t vertical = model::kAlignBottom;
    bool wraps = false;
};

// What the styles of a workbook hold, whatever encodes them: number format
// codes by id, fonts, fill colours, borders and the cell formats.
struct StyleTables {
    std::map<uint32_t, std::string> codes;
    std::vector<FontSpec> fonts;
    std::vector<uint32_t> fills;  // model::kNoFill for none
    std::vector<std::array<CellBorder, model::kSideCount>> borders;
    std::vector<XfSpec> xfs;
};

class Styles {
public:
    // The look of cell format index; the default look for an index out of
    // range (with one warning).
    const CellLook &look(uint32_t index);
    size_t size() const { return looks_.size(); }

    // Reads the styles part (none: every cell looks plain).
    static Styles read(Package &package, const std::string &part, const Theme &theme, NumberFormatTable &numbers,
                       Fonts &fonts);
    // The looks of the cell formats of tables; the first font is the sheet's own.
    static Styles build(const StyleTables &tables, NumberFormatTable &numbers, Fonts &fonts,
                        Diagnostics &diagnostics);

private:
    std::vector<CellLook> looks_;
    CellLook plain_;
    Diagnostics *diagnostics_ = nullptr;
    bool warned_ = false;
};

}  // namespace qrv::import::xlsx
