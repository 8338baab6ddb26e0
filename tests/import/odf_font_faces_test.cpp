// Font faces of OpenDocument files: a style names a face, and a cell takes
// the face's first family, without its quotes and the fallbacks after it.
#include <gtest/gtest.h>

#include "ods_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::test {
namespace {

TEST(OdfFontFaces, CellsTakeTheFirstFamilyOfTheirFace) {
    const struct {
        const char *declared;  // svg:font-family of the face "F1"
        const char *font;      // the font the cell shows in
        const char *not_shown;
    } cases[] = {
        {"'Gentium Book'", "Gentium Book", "'Gentium"},
        {"Gentium Book", "Gentium Book", "'Gentium"},
        {"'Gentium Book', serif", "Gentium Book", "serif"},
        {"&quot;Gentium Book&quot;, 'Gentium', serif", "Gentium Book", "serif"},
        {"", "F1", "Gentium"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.declared);
        OdsSpec spec(ods_table("S", ods_row(ods_cell("office:value-type=\"float\" office:value=\"1\" "
                                                     "table:style-name=\"ce1\""))));
        spec.automatic_styles =
            "<style:style style:name=\"ce1\" style:family=\"table-cell\">"
            "<style:text-properties style:font-name=\"F1\"/></style:style>";
        spec.font_faces = std::string("<style:font-face style:name=\"F1\" svg:font-family=\"") + c.declared + "\"/>";
        const std::string dump = dump_of(ods_of(spec), "book.ods");
        EXPECT_NE(dump.find(c.font), std::string::npos) << dump;
        EXPECT_EQ(dump.find(c.not_shown), std::string::npos) << dump;
    }
}

}  // namespace
}  // namespace qrv::test
