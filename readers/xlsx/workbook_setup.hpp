// What XLSX and binary workbooks are written with: the document and its
// properties, pictures, fonts and number formats, the parts the workbook
// relates to and its theme; then each sheet in order, set up with the
// workbook's name, visibility, date system and number formats, read by the
// importer and given its drawing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/import_job.hpp"
#include "numfmt/general_keys.hpp"
#include "numfmt/number_formats.hpp"
#include "package/package.hpp"
#include "sheet/sheet_builder.hpp"
#include "writer/picture_store.hpp"
#include "fonts.hpp"
#include "theme.hpp"
#include "workbook.hpp"
#include "workbook_parts.hpp"

namespace qrv::import::xlsx {

struct WorkbookSetup {
    // Throws ImportError(IM_ERR_BROKEN) for a workbook without sheets.  The
    // extension is that of the workbook's own parts ("xml" or "bin"); the
    // theme is XML in both.
    WorkbookSetup(ImportJob &job, Package &package, const Workbook &book, std::string_view extension);

    // The first part of a type the workbook relates to, or where it usually is.
    std::string part_of(std::string_view type) const { return parts.of_type(type, type); }

    // Reads each sheet in order: read_worksheet is handed the part of each
    // worksheet.  Called once the styles are read, so that their number
    // formats come first; gives the document.
    using ReadWorksheet = std::function<void(const std::string &part, SheetBuilder &sheet)>;
    CHHandle write_sheets(const TextStore &texts, const GeneralNumbers &general, const ReadWorksheet &read_worksheet);

    ImportJob &job;
    Package &package;
    const Workbook &book;
    DocumentWriter writer;
    PictureStore pictures;
    FontTable font_table;  // made once the document's properties are written
    CharFormatTable formats;
    Fonts fonts;
    NumberFormatTable numbers;
    const WorkbookParts parts;
    const Theme theme;
};

}  // namespace qrv::import::xlsx
