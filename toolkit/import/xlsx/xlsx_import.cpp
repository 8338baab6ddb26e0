// XLSX (and .xlsm): the workbook's sheets in order, each a spreadsheet
// section, with the document properties and number formats ahead of them.
#include "../build/properties.hpp"
#include "../core/error.hpp"
#include "../core/import_job.hpp"
#include "../numfmt/number_formats.hpp"
#include "../package/core_properties.hpp"
#include "../sheet/sheet_builder.hpp"
#include "shared_strings.hpp"
#include "styles.hpp"
#include "workbook.hpp"
#include "worksheet.hpp"

namespace qrv::import {
namespace {

using namespace xlsx;

std::string part_of_type(Package &package, const std::string &source, std::string_view type) {
    const Relationship *r = package.first_of_type(source, type);
    return r && !r->external ? r->target : std::string();
}

// The part of a sheet, or "" (with a warning) when it cannot be read as a
// worksheet: a chart sheet, a dialog sheet or a missing part.
std::string sheet_part(Package &package, const Workbook &book, const SheetEntry &sheet) {
    const Relationship *r = package.relationship(book.part, sheet.relationship_id);
    if (!r || r->external || !package.has(r->target)) {
        package.diagnostics().warn("sheet '" + sheet.name + "': its part is missing; it is left empty");
        return {};
    }
    if (!relationship_type_is(*r, "worksheet")) return {};
    return r->target;
}

}  // namespace

CHHandle import_xlsx(ImportJob &job) {
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const Workbook book = Workbook::read(package);
    if (book.sheets.empty()) broken(book.part + ": the workbook has no sheets");

    DocumentWriter writer(job.limits);
    write_properties(writer, read_core_properties(package));
    FontTable font_table(writer);
    CharFormatTable formats;
    Fonts fonts(font_table, formats);
    NumberFormatTable numbers(writer);
    Styles styles = Styles::read(package, part_of_type(package, book.part, "styles"), numbers, fonts);
    TextStore texts(writer);
    const std::vector<uint32_t> shared =
        read_shared_strings(package, part_of_type(package, book.part, "sharedStrings"), texts, fonts);

    WorkbookContext context{package, styles, shared, texts, fonts, book.date1904};
    for (const SheetEntry &entry : book.sheets) {
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(entry.name);
        sheet.set_date1904(book.date1904);
        const std::string part = sheet_part(package, book, entry);
        if (!part.empty()) read_worksheet(context, part, sheet);
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import
