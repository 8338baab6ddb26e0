// Comments on cells: each workbook format's way of keeping them, and what
// the outputs make of them.
#include <gtest/gtest.h>

#include "biff_builder.hpp"
#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "sheet_log.hpp"
#include "workbook_builder.hpp"
#include "xlsb_builder.hpp"

namespace qrv::test {
namespace {

// What a case of the other readers expects of the walk: pieces it shows,
// pieces it must not, and a piece of the warnings ("" for none at all).
struct Expected {
    std::vector<std::string> shown;
    std::vector<std::string> absent = {};
    std::string warning = "";
};

void expect_walk(const SheetImport &walk, const Expected &e) {
    ASSERT_EQ(walk.rc, 0u) << walk.message;
    if (e.warning.empty())
        EXPECT_EQ(walk.message, "");
    else
        EXPECT_NE(walk.message.find(e.warning), std::string::npos) << walk.message;
    for (const auto &piece : e.shown) EXPECT_NE(walk.page.find(piece), std::string::npos) << piece << "\n" << walk.page;
    for (const auto &piece : e.absent) EXPECT_EQ(walk.page.find(piece), std::string::npos) << piece << "\n" << walk.page;
}

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

namespace xlsx {

// A workbook of one sheet, "S", holding the rows, whose comments part is
// xl/comments1.xml (none when comments is empty).
std::string book(const std::string &rows, const std::string &comments, const std::string &sheet_name = "S") {
    WorkbookSpec spec({SheetSpec(sheet_name, sheet_data(rows),
                                 "<Relationship Id=\"rC\" Type=\"" + kRelType +
                                     "comments\" Target=\"../comments1.xml\"/>")});
    if (!comments.empty()) spec.extra.push_back({"xl/comments1.xml", comments});
    return workbook_of(spec);
}
std::string comments(const std::string &authors, const std::string &list) {
    return "<comments xmlns=\"" + kSpreadsheetNs + "\"><authors>" + authors + "</authors><commentList>" + list +
           "</commentList></comments>";
}
std::string comment(const std::string &ref, const std::string &author, const std::string &text) {
    return "<comment ref=\"" + ref + "\" authorId=\"" + author + "\"><text>" + text + "</text></comment>";
}
const std::string kNumberB1 = "<row r=\"1\"><c r=\"B1\"><v>5</v></c></row>";
const std::string kTwoAuthors = "<author>Ann</author><author>Bob</author>";

TEST(SheetComments, XlsxKeepsEachCellsComment) {
    const struct {
        const char *name;
        std::string file;
        Expected expected;
    } cases[] = {
        {"on a number and on an empty cell, runs joined, the author's name given once",
         book(kNumberB1, comments(kTwoAuthors, comment("B1", "0",
                                                       "<r><rPr><b/></rPr><t>Ann:</t></r>"
                                                       "<r><t xml:space=\"preserve\">\nCheck this</t></r>") +
                                                   comment("A3", "1", "<t>Empty</t>"))),
         {{"r1: | =5~1|", "r3: ~2|", "comment S!B1 [Ann] Check this\n", "comment S!A3 [Bob] Empty\n"}}},
        {"phonetic runs are not the text; escapes are resolved",
         book(kNumberB1, comments(kTwoAuthors, comment("B1", "1", "<t>K_x0041_</t><rPh sb=\"0\" eb=\"1\"><t>x</t></rPh>"))),
         {{"comment S!B1 [Bob] KA\n"}}},
        {"a sheet name that needs quotes",
         book("", comments(kTwoAuthors, comment("$C$2", "0", "<t>x</t>")), "My sheet"),
         {{"comment 'My sheet'!C2 [Ann] x\n"}}},
        {"a ref that is no cell costs that comment",
         book(kNumberB1, comments(kTwoAuthors, comment("B", "0", "<t>lost</t>") + comment("B1", "0", "<t>kept</t>"))),
         {{"r1: | =5~1|", "comment S!B1 [Ann] kept\n"}, {"lost"}, "is no cell"}},
        {"an author out of range keeps the text",
         book(kNumberB1, comments(kTwoAuthors, comment("B1", "7", "<t>orphan</t>"))),
         {{"r1: | =5~1|", "comment S!B1 [] orphan\n"}, {}, "names author 7 of 2"}},
        {"a missing comments part costs nothing else", book(kNumberB1, ""), {{"r1: | =5|"}, {"comment "}}},
        {"a broken comments part keeps what came before it",
         book(kNumberB1, comments(kTwoAuthors, comment("B1", "0", "<t>first</t>")).substr(0, 200)),
         {{"r1: | =5|"}, {}, "comments"}},
        {"a part of another kind is refused",
         book(kNumberB1, "<sst xmlns=\"" + kSpreadsheetNs + "\"/>"),
         {{"r1: | =5|"}, {"comment "}, "comments"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_walk(import_and_walk(c.file, "book.xlsx"), c.expected);
    }
}

}  // namespace xlsx

namespace ods {

std::string annotation(const std::string &author, const std::string &paragraphs) {
    return "<office:annotation>" + (author.empty() ? "" : "<dc:creator>" + author + "</dc:creator>") +
           "<dc:date>2024-01-02T03:04:05</dc:date>" + paragraphs + "</office:annotation>";
}
std::string table(const std::string &rows) { return ods_table("S", rows); }
const std::string kNote = annotation("Ann", "<text:p>first</text:p><text:p>a<text:s text:c=\"2\"/>b</text:p>");

TEST(SheetComments, OdsKeepsEachCellsComment) {
    const struct {
        const char *name;
        std::string tables;
        Expected expected;
    } cases[] = {
        {"on a number: the annotation is not the cell's text",
         table(ods_row(ods_cell("office:value-type=\"float\" office:value=\"5\"", kNote + "<text:p>5</text:p>"))),
         {{"r1: =5~1|", "comment S!A1 [Ann] first a  b\n"}}},
        {"on a text cell, the annotation after its text",
         table(ods_row(ods_cell("", "") + ods_cell("office:value-type=\"string\"", "<text:p>hi</text:p>" + kNote))),
         {{"r1: | hi~1|", "comment S!B1 [Ann] first a  b\n"}, {"hifirst"}}},
        {"on an empty cell, no author",
         table(ods_row(ods_cell("", annotation("", "<text:p>alone</text:p>")))),
         {{"r1: ~1|", "comment S!A1 [] alone\n"}}},
        {"repeated cells and rows carry it on the first only",
         table(ods_row(ods_cell("table:number-columns-repeated=\"3\" office:value-type=\"string\"",
                                "<text:p>x</text:p>" + kNote),
                       " table:number-rows-repeated=\"2\"")),
         {{"r1: x~1| x| x|", "r2: x| x| x|", "comment S!A1 [Ann]"}, {"comment S!B1", "comment S!A2", "~2"}}},
        {"a second annotation in a cell is passed over",
         table(ods_row(ods_cell("", kNote + annotation("Bob", "<text:p>two</text:p>")))),
         {{"r1: ~1|", "comment S!A1 [Ann]"}, {"[Bob]", "two"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_walk(import_and_walk(ods_of(OdsSpec(c.tables)), "book.ods"), c.expected);
        SCOPED_TRACE("flat");
        expect_walk(import_and_walk(fods_of(OdsSpec(c.tables)), "book.fods"), c.expected);
    }
}

}  // namespace ods

namespace binary {
using namespace test::xlsb;

constexpr uint16_t kBeginComments = 628, kEndComments = 629, kBeginAuthors = 630, kEndAuthors = 631, kAuthor = 632,
                   kBeginList = 633, kEndList = 634, kBeginComment = 635, kEndComment = 636, kCommentText = 637;

// A comment by author number author over the rows and columns given, its
// text a rich string.
std::string comment(uint32_t author, uint32_t row, uint32_t column, std::u16string_view text) {
    return record(kBeginComment, u32(author) + u32(row) + u32(row) + u32(column) + u32(column) + std::string(16, '\0')) +
           record(kCommentText, rich_string(text)) + record(kEndComment);
}
std::string comments(const std::vector<std::string> &authors, const std::string &list) {
    std::string out = record(kBeginComments) + record(kBeginAuthors);
    for (const auto &a : authors) out += record(kAuthor, wide(a));
    return out + record(kEndAuthors) + record(kBeginList) + list + record(kEndList) + record(kEndComments);
}
// A workbook of one sheet, "S", with a number at B1 and the comments part.
std::string book(const std::string &part) {
    BinaryBookSpec spec = one_sheet(row(0) + real(1, 5));
    spec.sheets[0].rels = xlsb::relationship("rC", "comments", "../comments1.bin");
    if (!part.empty()) spec.extra.push_back({"xl/comments1.bin", part});
    return binary_workbook(spec);
}

TEST(SheetComments, XlsbKeepsEachCellsComment) {
    const std::string two = comment(0, 0, 1, u"Check\r\nthis") + comment(1, 2, 0, u"Empty");
    const struct {
        const char *name;
        std::string part;
        Expected expected;
    } cases[] = {
        {"on a number and on an empty cell, lines kept apart",
         comments({"Ann", "Bob"}, two),
         {{"r1: | =5~1|", "r3: ~2|", "comment S!B1 [Ann] Check this\n", "comment S!A3 [Bob] Empty\n"}}},
        {"an author out of range keeps the text",
         comments({"Ann"}, comment(3, 0, 1, u"orphan")),
         {{"r1: | =5~1|", "comment S!B1 [] orphan\n"}, {}, "names author 3 of 1"}},
        {"a range of cells costs that comment",
         comments({"Ann"},
                  record(kBeginComment, u32(0) + u32(0) + u32(1) + u32(0) + u32(0) + std::string(16, '\0')) +
                      record(kCommentText, rich_string(u"lost")) + record(kEndComment) + comment(0, 0, 1, u"kept")),
         {{"comment S!B1 [Ann] kept\n"}, {"lost"}, "no single cell"}},
        {"a cell past the sheet costs that comment",
         comments({"Ann"}, comment(0, 1u << 20, 0, u"lost")),
         {{"r1: | =5|"}, {"lost"}, "no single cell"}},
        {"a short comment record is passed over",
         comments({"Ann"}, record(kBeginComment, u32(0)) + record(kCommentText, rich_string(u"x")) +
                               record(kEndComment) + comment(0, 0, 1, u"kept")),
         {{"comment S!B1 [Ann] kept\n"}, {"[Ann] x"}, "shorter than its contents"}},
        {"a part cut short keeps what came before",
         comments({"Ann", "Bob"}, two).substr(0, comments({"Ann", "Bob"}, two).size() - 20),
         {{"comment S!B1 [Ann] Check this\n"}, {"Empty"}, "comments1.bin"}},
        {"a missing part costs nothing else", "", {{"r1: | =5|"}, {"comment "}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_walk(import_and_walk(book(c.part), "book.xlsb"), c.expected);
    }
}

}  // namespace binary

}  // namespace
}  // namespace qrv::test
