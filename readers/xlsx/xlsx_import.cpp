// XLSX (and .xlsm): the workbook's sheets in order, each a spreadsheet
// section, with the document properties and number formats ahead of them.
#include "core/import_job.hpp"
#include "comments.hpp"
#include "shared_strings.hpp"
#include "styles.hpp"
#include "workbook.hpp"
#include "workbook_setup.hpp"
#include "worksheet.hpp"

namespace qrv::import {

CHHandle import_xlsx(ImportJob &job) {
    using namespace xlsx;
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const Workbook book = Workbook::read(package);
    WorkbookSetup setup(job, package, book, "xml");
    Styles styles = Styles::read(package, setup.part_of("styles"), setup.theme, setup.numbers, setup.fonts);
    const GeneralNumbers general = general_numbers(setup.numbers);
    TextStore texts(setup.writer);
    const std::vector<uint32_t> shared = read_shared_strings(package, setup.part_of("sharedStrings"), texts, setup.fonts);

    WorkbookContext context{package, styles, shared, texts, setup.fonts, book.date1904};
    return setup.write_sheets(texts, general,
                              [&context](const std::string &part, SheetBuilder &sheet) {
                                  read_worksheet(context, part, sheet);
                                  read_sheet_comments(context.package, part, sheet);
                              });
}

}  // namespace qrv::import
