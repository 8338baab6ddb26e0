// Comments on cells: each workbook format's way of keeping them, and what
// the outputs make of them.
#include <gtest/gtest.h>

#include "biff_builder.hpp"
#include "imported_document.hpp"
#include "sheet_log.hpp"

namespace qrv::test {
namespace {

namespace xls {
using namespace biff;

// A comment object of Excel 97: its OBJ record, the TXO record and the
// continuations holding its text and its formatting runs.
std::string comment_object(uint16_t id, const std::string &text) {
    const std::string common = u16(0x0015) + u16(0x0012) + u16(0x0019) + u16(id) + u16(0) + std::string(12, '\0');
    const std::string txo =
        u16(0x0212) + u16(0) + std::string(6, '\0') + u16(static_cast<uint32_t>(text.size())) + u16(16) + u16(0) + u16(0);
    return record(0x00EC, std::string(8, '\0')) + record(0x005D, common + u32(0)) + record(0x00EC, "") +
           record(0x01B6, txo) + record(0x003C, u8(0) + text) + record(0x003C, std::string(16, '\0'));
}
std::string note(uint16_t row, uint16_t column, uint16_t id, const std::string &author) {
    return record(0x001C, u16(row) + u16(column) + u16(0) + u16(id) + text(author) + u8(0));
}
// Excel 5 keeps the text in the NOTE record, a long one continued in
// records of row 0xFFFF; the first gives the whole length.
std::string old_note(uint16_t row, uint16_t column, const std::string &first, const std::string &rest) {
    const auto size = [](size_t n) { return u16(static_cast<uint32_t>(n)); };
    std::string out = record(0x001C, u16(row) + u16(column) + size(first.size() + rest.size()) + first);
    if (!rest.empty()) out += record(0x001C, u16(0xFFFF) + u16(0) + size(rest.size()) + rest);
    return out;
}

TEST(SheetComments, XlsKeepsEachCellsComment) {
    const struct {
        const char *name;
        std::vector<Sheet> sheets;
        bool biff8;
        std::vector<std::string> shown;
    } cases[] = {
        {"on a number and on an empty cell, lines kept apart",
         {Sheet{"S", record(0x0203, cell(0, 1) + f64(5)) + comment_object(1, "Check\r\nthis") +
                         comment_object(2, "Empty") + note(0, 1, 1, "Ann") + note(2, 0, 2, "Bob")}},
         true,
         {"r1: | =5~1|", "r3: ~2|", "comment S!B1 [Ann] Check this\n", "comment S!A3 [Bob] Empty\n"}},
        {"a note naming no object keeps its author",
         {Sheet{"S", record(0x0203, cell(0, 0) + f64(1)) + note(0, 0, 9, "Cy")}},
         true,
         {"r1: =1~1|", "comment S!A1 [Cy] \n"}},
        {"a sheet name that needs quotes",
         {Sheet{"My sheet", comment_object(1, "x") + note(0, 0, 1, "")}},
         true,
         {"comment 'My sheet'!A1 [] x\n"}},
        {"Excel 5 text, continued",
         {Sheet{"S", record(0x0203, cell(1, 1) + f64(2)) + old_note(1, 1, "first ", "second")}},
         false,
         {"r2: | =2~1|", "comment S!B2 [] first second\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_clean_walk_showing(import_and_walk(xls_file(workbook("", c.sheets, c.biff8)), "book.xls"), c.shown);
    }
}

TEST(SheetComments, AFaultyCommentCostsOnlyItself) {
    const std::string cut_text_box = record(0x00EC, "") + record(0x005D, u16(0x0015) + u16(0x0012) + u16(0x0019) + u16(1)) +
                                     record(0x01B6, u16(0) + u16(0));
    const auto walk = import_and_walk(
        xls_file(workbook("", {Sheet{"S", record(0x0203, cell(0, 0) + f64(3)) + cut_text_box + note(0, 0, 1, "Di")}})),
        "book.xls");
    ASSERT_EQ(walk.rc, 0u) << walk.message;
    EXPECT_NE(walk.page.find("r1: =3~1|"), std::string::npos) << walk.page;
    EXPECT_NE(walk.page.find("comment S!A1 [Di] \n"), std::string::npos) << walk.page;
}

// The HTML marks the cell (its text unchanged) and lists the comment after
// the sheets, by its cell; the JSON names the comment in the cell.
TEST(SheetComments, OutputsListThemByCell) {
    Imported doc(xls_file(workbook("", {Sheet{"S", record(0x0203, cell(0, 0) + f64(7)) + comment_object(1, "<b>") +
                                                       note(0, 0, 1, "Ann")}})),
                 "book.xls");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported(QRV_OUTPUT_HTML);
    EXPECT_NE(html.find(">7<a class=\"comment-mark\" href=\"#comment-1\" title=\"Ann: &lt;b&gt;\"></a></td>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<li id=\"comment-1\"><span class=\"comment-place\">S!A1</span> <b>Ann:</b> &lt;b&gt;</li>"),
              std::string::npos)
        << html;
    const std::string json = doc.exported(QRV_OUTPUT_JSON);
    EXPECT_NE(json.find("\"comments\":[1]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"cell\":\"S!A1\""), std::string::npos) << json;
}

}  // namespace xls

}  // namespace
}  // namespace qrv::test
