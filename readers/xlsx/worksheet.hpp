// A worksheet part, streamed into a SheetBuilder: column widths, rows and
// their cells (numbers, shared and inline strings, truth values, errors,
// dates, cached formula results), merged ranges and hyperlinks.
#pragma once

#include <string>
#include <vector>

#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "styles.hpp"

namespace qrv::import::xlsx {

// What the sheets of a workbook share.
struct WorkbookContext {
    Package &package;
    Styles &styles;
    const std::vector<uint32_t> &shared_strings;
    TextStore &texts;
    Fonts &fonts;
    bool date1904;
};

void read_worksheet(WorkbookContext &book, const std::string &part, SheetBuilder &sheet);

}  // namespace qrv::import::xlsx
