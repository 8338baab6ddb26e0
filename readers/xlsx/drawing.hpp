// The drawing of a worksheet (xl/drawings/drawingN.xml): its pictures and
// charts, each anchored over the cell its top left corner is in.  Pictures
// keep their part; charts their cached values.  Shapes without a picture are left
// out.
#pragma once

#include <string>

#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "writer/picture_store.hpp"

namespace qrv::import::xlsx {

// Reads the drawing a worksheet part relates to, if any, into sheet.
void read_sheet_drawing(Package &package, PictureStore &pictures, const std::string &sheet_part, SheetBuilder &sheet);

}  // namespace qrv::import::xlsx
