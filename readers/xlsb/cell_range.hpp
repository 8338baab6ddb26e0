// A range of cells as binary records give it: the first and last rows,
// then the first and last columns, four bytes each.
#pragma once

#include <cstdint>

#include "xls/biff_record.hpp"
#include "xlsx/cell_ref.hpp"

namespace qrv::import::xlsb {

struct BinaryRange {
    uint32_t top, bottom, left, right;
    // In order and inside the largest sheet.
    bool sound() const { return top <= bottom && left <= right && bottom < xlsx::kMaxRows && right < xlsx::kMaxColumns; }

    static BinaryRange read(xls::Cursor &in) {
        BinaryRange r{};
        r.top = in.u32(), r.bottom = in.u32(), r.left = in.u32(), r.right = in.u32();
        return r;
    }
};

}  // namespace qrv::import::xlsb
