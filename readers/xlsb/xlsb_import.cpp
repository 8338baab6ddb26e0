// Excel binary workbooks (.xlsb): a package like XLSX's whose workbook,
// styles, shared strings and worksheets are records instead of XML; the
// theme, drawings and document properties are the same XML parts.  The
// cells go through the same looks and sheet builder as XLSX's.
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "numfmt/general_keys.hpp"
#include "numfmt/number_formats.hpp"
#include "package/core_properties.hpp"
#include "sheet/sheet_builder.hpp"
#include "writer/properties.hpp"
#include "xlsx/drawing.hpp"
#include "xlsx/workbook_parts.hpp"
#include "shared_strings.hpp"
#include "styles.hpp"
#include "workbook.hpp"
#include "worksheet.hpp"

namespace qrv::import {

CHHandle import_xlsb(ImportJob &job) {
    using namespace xlsb;
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const xlsx::Workbook book = read_workbook(package);
    if (book.sheets.empty()) broken(book.part + ": the workbook has no sheets");

    DocumentWriter writer(job.limits);
    PictureStore pictures(writer, job.limits, job.diagnostics, job.keeps_pictures());
    write_properties(writer, read_core_properties(package));
    FontTable font_table(writer);
    CharFormatTable formats;
    xlsx::Fonts fonts(font_table, formats);
    NumberFormatTable numbers(writer);
    const xlsx::WorkbookParts parts(package, book, "bin");
    const xlsx::Theme theme = xlsx::Theme::read(package, parts.of_type("theme", "theme/theme1", "xml"));
    BinaryStyles styles = read_styles(package, parts.of_type("styles", "styles"), theme, numbers, fonts);
    const GeneralNumbers general = general_numbers(numbers);
    TextStore texts(writer);
    RichStrings rich(texts, fonts, styles.fonts);
    const std::vector<uint32_t> shared =
        read_shared_strings(package, parts.of_type("sharedStrings", "sharedStrings"), rich);

    BinaryBook context{package, styles.looks, shared, texts, rich};
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(book.sheets[i].name);
        sheet.set_date1904(book.date1904);
        sheet.set_general_numbers(&general);
        sheet.set_number_texts(&numbers);
        sheet.set_hidden(book.sheets[i].hidden);
        const xlsx::SheetPart part = parts.sheet(i);
        if (!part.part.empty() && part.worksheet) read_worksheet(context, part.part, sheet);
        if (!part.part.empty()) xlsx::read_sheet_drawing(package, pictures, part.part, sheet);
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import
