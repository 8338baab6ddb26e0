// The parts a workbook's relationships point to: its styles, theme and
// shared strings, and the part of each sheet.  Without the relationships
// (a broken relationships part, with a warning) parts are looked for where
// spreadsheet programs put them, with the extension the workbook's own
// encoding uses ("xml", or "bin" for binary workbooks).
#pragma once

#include <string>
#include <string_view>

#include "package/package.hpp"
#include "workbook.hpp"

namespace qrv::import::xlsx {

// The part of a sheet, and whether it is a worksheet (else a chart sheet,
// whose drawing alone is read); "" for a missing part and a dialog sheet.
struct SheetPart {
    std::string part;
    bool worksheet = true;
};

class WorkbookParts {
public:
    WorkbookParts(Package &package, const Workbook &book, std::string_view extension);

    // The first related part of a type; without relationships, "xl/" + usual
    // + "." + the extension ("theme/theme1" for instance).
    std::string of_type(std::string_view type, std::string_view usual, std::string_view extension) const;
    std::string of_type(std::string_view type, std::string_view usual) const {
        return of_type(type, usual, extension_);
    }
    // Warns for a missing part.
    SheetPart sheet(size_t index) const;

private:
    Package &package_;
    const Workbook &book_;
    std::string extension_;
    bool related_ = false;
};

}  // namespace qrv::import::xlsx
