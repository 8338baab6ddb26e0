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
#include "workbook_parts.hpp"
#include "worksheet.hpp"

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
    const WorkbookParts parts(package, book, "xml");
    const Theme theme = Theme::read(package, parts.of_type("theme", "theme/theme1"));
    Styles styles = Styles::read(package, parts.of_type("styles", "styles"), theme, numbers, fonts);
    const GeneralNumbers general = general_numbers(numbers);
    TextStore texts(writer);
    const std::vector<uint32_t> shared = read_shared_strings(
        package, parts.of_type("sharedStrings", "sharedStrings"), texts, fonts);

    WorkbookContext context{package, styles, shared, texts, fonts, book.date1904};
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(book.sheets[i].name);
        sheet.set_date1904(book.date1904);
        sheet.set_general_numbers(&general);
        sheet.set_number_texts(&numbers);
        const SheetPart part = parts.sheet(i);
        if (!part.part.empty() && part.worksheet) read_worksheet(context, part.part, sheet);
        if (!part.part.empty()) read_sheet_drawing(package, pictures, part.part, sheet);
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import
