// Excel 97-2003 workbooks (and Excel 5 and 95 ones): the workbook stream
// of the compound file, its globals first, then each worksheet as a
// spreadsheet section.  Chart, macro and module sheets are passed over
// with a warning.
#include "cfb/compound_file.hpp"
#include "cfb/summary_properties.hpp"
#include "core/error.hpp"
#include "core/import_job.hpp"
#include "numfmt/general_keys.hpp"
#include "numfmt/number_formats.hpp"
#include "sheet/sheet_builder.hpp"
#include "writer/properties.hpp"
#include "cell_looks.hpp"
#include "encrypted_stream.hpp"
#include "globals.hpp"
#include "sheet_reader.hpp"

namespace qrv::import::xls {
namespace {

// Excel 97 and later name the stream "Workbook", Excel 5 and 95 "Book".
std::vector<uint8_t> workbook_stream(const CompoundFile &file) {
    if (auto s = file.stream("Workbook")) return std::move(*s);
    if (auto s = file.stream("Book")) return std::move(*s);
    broken("the compound file holds no workbook stream");
}

struct OpenedWorkbook {
    std::vector<uint8_t> stream;
    std::vector<std::pair<model::PropertyId, std::string>> properties;
};

// Excel 3 and 4 wrote the stream as the whole file, with no properties.
OpenedWorkbook open_workbook(std::span<const uint8_t> bytes, const Limits &limits) {
    if (!looks_like_compound_file(bytes)) return {{bytes.begin(), bytes.end()}, {}};
    const CompoundFile file(bytes, limits);
    return {workbook_stream(file), summary_properties(file)};
}

bool readable(const SheetEntry &sheet, Diagnostics &diagnostics) {
    if (sheet.kind == static_cast<uint8_t>(SheetKind::Worksheet)) return true;
    const char *what = sheet.kind == static_cast<uint8_t>(SheetKind::Chart) ? "a chart sheet" : "a macro sheet";
    diagnostics.warn("sheet '" + sheet.name + "' is " + what + ", which is not read");
    return false;
}

}  // namespace
}  // namespace qrv::import::xls

namespace qrv::import {

CHHandle import_xls(ImportJob &job) {
    using namespace xls;
    OpenedWorkbook opened = open_workbook(job.input.bytes(), job.limits);
    std::vector<uint8_t> &stream = opened.stream;
    open_encrypted_stream(stream);
    const Biff version = stream_version(stream);

    DocumentWriter writer(job.limits);
    write_properties(writer, opened.properties);
    TextStore texts(writer);
    CodePage page;
    const Globals book = read_globals(stream, version, page, texts, job.diagnostics);
    if (book.sheets.empty()) broken("the workbook lists no sheets");
    FontTable fonts(writer);
    CharFormatTable formats;
    NumberFormatTable numbers(writer);
    const CellLooks looks(book, numbers, fonts, formats);
    const GeneralNumbers general = general_numbers(numbers);

    SheetContext context{book, looks, page, texts, job.diagnostics};
    for (const SheetEntry &entry : book.sheets) {
        if (!readable(entry, job.diagnostics)) continue;
        SheetBuilder sheet(writer, texts, formats, job.diagnostics);
        sheet.set_name(entry.name);
        sheet.set_date1904(book.date1904);
        sheet.set_general_numbers(&general);
        sheet.set_number_texts(&numbers);
        sheet.set_hidden(entry.hidden);
        if (entry.offset < stream.size()) {
            read_sheet(context, stream, entry.offset, sheet);
        } else {
            job.diagnostics.warn("sheet '" + entry.name + "' starts beyond the workbook stream; it is left empty");
        }
        sheet.finish();
    }
    return writer.release();
}

}  // namespace qrv::import
