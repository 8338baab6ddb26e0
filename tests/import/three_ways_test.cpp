// One workbook, saved as OpenDocument, XLSX and .xls by LibreOffice and
// built as .xlsb here, exports to the same text every way: the readers
// share the sheet builder and the number-format translator, so a cell
// shows alike whatever file it came from.
#include <gtest/gtest.h>

#include "imported_document.hpp"
#include "test_files.hpp"
#include "xlsb_builder.hpp"

namespace qrv::test {
namespace {

const std::string kData = QRV_SOURCE_DIR "/tests/import/data/three_ways/";

// The cells of book.fods: texts, numbers, a percentage, a date, grouped
// thousands, a time, small and large numbers; a second sheet.
std::string binary_book() {
    using namespace xlsb;
    const std::string figures =
        row(0) + text(0, u"Item") + text(1, u"caf\u00e9 \u201cquoted\u201d") + real(2, 2.5) + real(3, -1234) +
        row(1) + real(0, 0.125, 1) + real(1, 45351, 2) + real(2, 1234567.891, 3) + real(3, 13.75 / 24, 4) +
        row(2) + real(0, 0.000123456789) + real(1, 1e20) + real(2, 0.333333333333333) + text(3, u"Items");
    BinaryBookSpec book({BinarySheet("Figures", figures), BinarySheet("Second", row(0) + text(0, u"two") + real(1, 7))});
    book.styles = number_format(164, u"yyyy\\-mm\\-dd") + number_format(165, u"hh:mm") + font() +
                  cell_xfs({xf(0), xf(10), xf(164), xf(4), xf(165)});
    return zip_of(binary_parts(book));
}

std::string text_of(const std::string &bytes, const char *name) {
    Imported doc(bytes, name);
    EXPECT_EQ(doc.result(), 0u) << name << ": " << doc.message();
    return doc.text();
}

TEST(ThreeWays, OneWorkbookShowsAlikeFromEachFile) {
    const std::string odf = text_of(read_file(kData + "book.fods"), "book.fods");
    for (const char *piece : {"café “quoted”", "-1234", "12.50%", "2024-02-29", "1,234,567.89", "13:45",
                              "0.000123456789", "1E+20", "0.333333333333333", "two | 7"})
        EXPECT_NE(odf.find(piece), std::string::npos) << piece << "\n" << odf;
    EXPECT_EQ(text_of(read_file(kData + "book.xlsx"), "book.xlsx"), odf);
    EXPECT_EQ(text_of(read_file(kData + "book.xls"), "book.xls"), odf);
    EXPECT_EQ(text_of(binary_book(), "book.xlsb"), odf);
}

}  // namespace
}  // namespace qrv::test
