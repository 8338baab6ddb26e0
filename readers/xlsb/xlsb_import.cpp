// Excel binary workbooks (.xlsb): a package like XLSX's whose workbook,
// styles, shared strings and worksheets are records instead of XML; the
// theme, drawings and document properties are the same XML parts.  The
// cells go through the same looks and sheet builder as XLSX's.
#include "core/import_job.hpp"
#include "xlsx/workbook_setup.hpp"
#include "comments.hpp"
#include "shared_strings.hpp"
#include "styles.hpp"
#include "workbook.hpp"
#include "worksheet.hpp"

namespace qrv::import {

CHHandle import_xlsb(ImportJob &job) {
    using namespace xlsb;
    Package package(job.input.bytes(), job.limits, job.diagnostics);
    const xlsx::Workbook book = read_workbook(package);
    xlsx::WorkbookSetup setup(job, package, book, "bin");
    BinaryStyles styles = read_styles(package, setup.part_of("styles"), setup.theme, setup.numbers, setup.fonts);
    const GeneralNumbers general = general_numbers(setup.numbers);
    TextStore texts(setup.writer);
    RichStrings rich(texts, setup.fonts, styles.fonts);
    const std::vector<uint32_t> shared = read_shared_strings(package, setup.part_of("sharedStrings"), rich);

    BinaryBook context{package, styles.looks, shared, texts, rich};
    return setup.write_sheets(texts, general, [&context](const std::string &part, SheetBuilder &sheet) {
        read_worksheet(context, part, sheet);
        read_sheet_comments(context.package, part, sheet);
    });
}

}  // namespace qrv::import
