// XLSX (and .xlsm): the workbook's sheets in order, each a spreadsheet
// section, with the document properties and number formats ahead of them.
#include "drawing.hpp"
#include "writer/properties.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "numfmt/general_keys.hpp"
#include "numfmt/number_formats.hpp"
#include "package/core_properties.hpp"
#include "sheet/sheet_builder.hpp"
#include "shared_strings.hpp"
#include "styles.hpp"
#include "theme.hpp"
#include "workbook.hpp"
#include "worksheet.hpp"

namespace qrv::import::xlsx {
namespace {

// The relationships of the workbook part, or none (with a warning) when
// that part is broken: the parts are then looked for where spreadsheet
// programs put them.
const std::vector<Relationship> *workbook_relationships(Package &package, const Workbook &book) {
    try {
        return &package.relationships(book.part);
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; parts are looked for by their usual names");
        return nullptr;
    }
}

std::string part_of_type(Package &package, const Workbook &book, bool related, std::string_view type,
                         const char *usual) {
    if (!related) return usual;
    const Relationship *r = package.first_of_type(book.part, type);
    return r && !r->external ? r->target : std::string();
}

// The part of a sheet, and whether it is a worksheet (else a chart sheet,
// whose drawing alone is read); "" (with a warning) for a missing part, and
// for a dialog sheet.
struct SheetPart {
    std::string part;
    bool worksheet = true;
};

SheetPart sheet_part(Package &package, const Workbook &book, bool related, size_t index) {
    const SheetEntry &sheet = book.sheets[index];
    std::string part = "xl/worksheets/sheet" + std::to_string(index + 1) + ".xml";
    const Relationship *r = related ? package.relationship(book.part, sheet.relationship_id) : nullptr;
    if (related && r && !r->external) part = r->target;
    if ((related && (!r || r->external)) || !package.has(part)) {
        package.diagnostics().warn("sheet '" + sheet.name + "': its part is missing; it is left empty");
        return {};
    }
    if (r && relationship_type_is(*r, "chartsheet")) return {part, false};
    if (r && !relationship_type_is(*r, "worksheet")) return {};
    return {part, true};
}

}  // namespace
}  // namespace qrv::import::xlsx

namespace qrv::import {

CHHandle import_xlsx(ImportJob &job) {
    using namespace xlsx;
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const Workbook book = Workbook::read(package);
    if (book.sheets.empty()) broken(book.part + ": the workbook has no sheets");

    DocumentWriter writer(job.limits);
    PictureStore pictures(writer, job.limits, job.diagnostics, job.keeps_pictures());
    write_properties(writer, read_core_properties(package));
    FontTable font_table(writer);
    CharFormatTable formats;
    Fonts fonts(font_table, formats);
    NumberFormatTable numbers(writer);
    const bool related = workbook_relationships(package, book) != nullptr;
    const Theme theme = Theme::read(package, part_of_type(package, book, related, "theme", "xl/theme/theme1.xml"));
    Styles styles = Styles::read(package, part_of_type(package, book, related, "styles", "xl/styles.xml"), theme,
                                 numbers, fonts);
    const GeneralNumbers general = general_numbers(numbers);
    TextStore texts(writer);
    const std::vector<uint32_t> shared = read_shared_strings(
        package, part_of_type(package, book, related, "sharedStrings", "xl/sharedStrings.xml"), texts, fonts);

    WorkbookContext context{package, styles, shared, texts, fonts, book.date1904};
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(book.sheets[i].name);
        sheet.set_date1904(book.date1904);
        sheet.set_general_numbers(&general);
        sheet.set_number_texts(&numbers);
        const SheetPart part = sheet_part(package, book, related, i);
        if (!part.part.empty() && part.worksheet) read_worksheet(context, part.part, sheet);
        if (!part.part.empty()) read_sheet_drawing(package, pictures, part.part, sheet);
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import
