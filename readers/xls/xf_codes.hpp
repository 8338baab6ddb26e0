// What the numbered line kinds and fill patterns of binary workbooks' cell
// formats draw (the same numbers in .xls and .xlsb).
#pragma once

#include <cstdint>
#include <iterator>

#include "sheet/cell_frame.hpp"
#include "sheet/sheet_builder.hpp"

namespace qrv::import::xls {

// Line kind -> border line: none, thin, medium, dashed, dotted, thick,
// double, hair, then the medium and dash-dot kinds.
inline constexpr uint8_t kLineOfKind[14] = {
    model::kBorderNone,   model::kBorderThin,   model::kBorderMedium,        model::kBorderDashed,
    model::kBorderDotted, model::kBorderThick,  model::kBorderDouble,        model::kBorderDotted,
    model::kBorderMediumDashed, model::kBorderDashed, model::kBorderMediumDashed, model::kBorderDashed,
    model::kBorderMediumDashed, model::kBorderMediumDashed};

// How much of the cell each pattern paints in its pattern colour.
inline constexpr double kPatternDensity[19] = {0,    1,    0.5,  0.75, 0.25, 0.5,    0.5,     0.5,  0.5, 0.5,
                                               0.75, 0.25, 0.25, 0.25, 0.25, 0.4375, 0.25, 0.125, 0.0625};

inline uint8_t line_of_kind(uint8_t kind) {
    return kind < std::size(kLineOfKind) ? kLineOfKind[kind] : uint8_t{model::kBorderNone};
}

// Horizontal alignment code -> alignment: 1 left, 2 centred, 3 right, 5
// justified, 6 centred across the selection, 7 distributed; others general.
inline CellAlign align_of_code(unsigned horizontal) {
    switch (horizontal) {
    case 1: return CellAlign::Left;
    case 2:
    case 6: return CellAlign::Centre;
    case 3: return CellAlign::Right;
    case 5:
    case 7: return CellAlign::Justify;
    default: return CellAlign::General;
    }
}

// Vertical alignment code -> alignment: 0 top, 2 bottom, others middle.
inline uint8_t vertical_of_code(unsigned vertical) {
    if (vertical == 0) return model::kAlignTop;
    return vertical == 2 ? model::kAlignBottom : model::kAlignMiddle;
}

}  // namespace qrv::import::xls
