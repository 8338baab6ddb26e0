#include "workbook_setup.hpp"

#include "core/error.hpp"
#include "package/core_properties.hpp"
#include "writer/properties.hpp"
#include "drawing.hpp"

namespace qrv::import::xlsx {
namespace {

const Workbook &with_sheets(const Workbook &book) {
    if (book.sheets.empty()) broken(book.part + ": the workbook has no sheets");
    return book;
}

DocumentWriter &with_properties(DocumentWriter &writer, Package &package) {
    write_properties(writer, read_core_properties(package));
    return writer;
}

}  // namespace

WorkbookSetup::WorkbookSetup(ImportJob &job, Package &package, const Workbook &book, std::string_view extension)
    : job(job),
      package(package),
      book(with_sheets(book)),
      writer(job.limits),
      pictures(writer, job.limits, job.diagnostics, job.keeps_pictures()),
      font_table(with_properties(writer, package)),
      fonts(font_table, formats),
      numbers(writer),
      parts(package, book, extension),
      theme(Theme::read(package, parts.of_type("theme", "theme/theme1", "xml"))) {}

CHHandle WorkbookSetup::write_sheets(const TextStore &texts, const GeneralNumbers &general,
                                     const ReadWorksheet &read_worksheet) {
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(book.sheets[i].name);
        sheet.set_date1904(book.date1904);
        sheet.set_general_numbers(&general);
        sheet.set_number_texts(&numbers);
        sheet.set_hidden(book.sheets[i].hidden);
        const SheetPart part = parts.sheet(i);
        if (!part.part.empty() && part.worksheet) read_worksheet(part.part, sheet);
        if (!part.part.empty()) read_sheet_drawing(package, pictures, part.part, sheet);
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import::xlsx
