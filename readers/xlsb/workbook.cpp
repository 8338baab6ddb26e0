#include "workbook.hpp"

#include "core/error.hpp"
#include "package/related_parts.hpp"
#include "writer/utf16.hpp"
#include "record_stream.hpp"
#include "record_types.hpp"
#include "wide_string.hpp"

namespace qrv::import::xlsb {
namespace {

// A sheet's visibility (visible 0, hidden 1, very hidden 2), its tab id,
// its relationship and its name.
xlsx::SheetEntry bundled_sheet(Cursor &in) {
    xlsx::SheetEntry sheet;
    sheet.hidden = in.u32() != 0;
    in.skip(4);
    sheet.relationship_id = utf8_of(nullable_wide_string(in));
    sheet.name = wide_string_utf8(in);
    return sheet;
}

}  // namespace

xlsx::Workbook read_workbook(Package &package) {
    xlsx::Workbook book;
    book.part = main_part_of(package, "xl/workbook.bin");
    if (!package.has(book.part)) broken(book.part + ": the workbook part is missing from the package");
    read_records(package, book.part, [&book](const Record &r, Cursor &in) {
        if (r.type == brt::kBundleSheet)
            book.sheets.push_back(bundled_sheet(in));
        else if (r.type == brt::kWorkbookProperties)
            book.date1904 = in.u32() & 0x01;
    });
    return book;
}

}  // namespace qrv::import::xlsb
