// A run of text longer than any buffer of the readers comes out whole,
// whichever format holds it.
#include <gtest/gtest.h>

#include <string>

#include "docx_builder.hpp"
#include "imported_document.hpp"
#include "odt_builder.hpp"
#include "workbook_builder.hpp"

namespace {

using qrv::test::Imported;

// 1.5 MiB of text with a mark at its end.
std::string long_text() { return std::string(3 << 19, 'x') + "END"; }

TEST(LongText, ARunOfMoreThanAMebibyteIsKeptWhole) {
    qrv::test::Docx docx;
    docx.body = qrv::test::para(long_text());
    qrv::test::Odt odt;
    odt.body = qrv::test::odt_p(long_text());
    const std::string sheet =
        qrv::test::sheet_data("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + long_text() + "</t></is></c></row>");
    const struct {
        const char *format;
        Imported doc;
    } cases[] = {
        {"docx", Imported(docx)},
        {"odt", Imported(odt)},
        {"xlsx",
         Imported(qrv::test::workbook_of(qrv::test::WorkbookSpec({qrv::test::SheetSpec("S", sheet)})), "t.xlsx")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        ASSERT_EQ(c.doc.result(), 0u) << c.doc.message();
        const std::string text = c.doc.exported(QRV_OUTPUT_TEXT);
        EXPECT_NE(text.find(long_text()), std::string::npos) << text.size() << " bytes";
    }
}

}  // namespace
