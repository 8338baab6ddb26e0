// XLSX import as the filters see it: each feature of a workbook from a few
// lines of XML zipped at test time, and every kind of bad input with its
// message.
#include <gtest/gtest.h>


#include "sheet_log.hpp"
#include "test_files.hpp"
#include "workbook_builder.hpp"

namespace {

using qrv::test::dump_of;
using qrv::test::expect_clean_walk_showing;
using qrv::test::import_and_walk;
using qrv::test::one_sheet_book;
using qrv::test::Part;
using qrv::test::sheet_data;
using qrv::test::SheetImport;
using qrv::test::SheetSpec;
using qrv::test::with_part;
using qrv::test::workbook_of;
using qrv::test::workbook_of_rows;
using qrv::test::WorkbookSpec;

struct XlsxFeature {
    const char *name;
    WorkbookSpec book;
    std::vector<std::string> shown;  // lines or pieces the walk's log holds
};

std::string sheet_cell(const char *ref, const std::string &inside, const std::string &attributes = "") {
    return std::string("<c r=\"") + ref + "\"" + attributes + ">" + inside + "</c>";
}

std::string sheet_row(int r, const std::string &cells, const std::string &attributes = "") {
    return "<row r=\"" + std::to_string(r) + "\"" + attributes + ">" + cells + "</row>";
}

WorkbookSpec sheet(const std::string &body, const std::string &rels = "") {
    return WorkbookSpec({SheetSpec("S", body, rels)});
}

const std::string kBoldStyles =
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
    "<font><b/><sz val=\"11\"/><color rgb=\"FF0000FF\"/><name val=\"Calibri\"/></font></fonts>"
    "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\"/><xf numFmtId=\"0\" fontId=\"1\"/></cellXfs>";

TEST(XlsxImport, EachFeatureReachesTheFilters) {
    WorkbookSpec shared = one_sheet_book(
        sheet_row(1, sheet_cell("A1", "<v>1</v>", " t=\"s\"") + sheet_cell("B1", "<v>0</v>", " t=\"s\"")));
    shared.shared = "<si><t>alpha</t></si><si><t>beta</t></si>";
    WorkbookSpec rich = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>0</v>", " t=\"s\"")));
    rich.shared =
        "<si><r><rPr><b/><sz val=\"11\"/></rPr><t>bold</t></r><r><t xml:space=\"preserve\"> plain</t></r>"
        "<r><rPr><color rgb=\"FFFF0000\"/></rPr><t>red</t></r><rPh><t>ignored</t></rPh></si>";
    WorkbookSpec styled =
        one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>7</v>", " s=\"1\"") + sheet_cell("B1", "<v>8</v>")));
    styled.styles = kBoldStyles;
    WorkbookSpec fraction = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1.5</v>", " s=\"1\"")));
    fraction.styles =
        "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"# ?/?\"/></numFmts>"
        "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs>";
    WorkbookSpec linked = sheet(sheet_data(sheet_row(1, sheet_cell("A1", "<is><t>site</t></is>", " t=\"inlineStr\"") +
                                                            sheet_cell("B1", "<v>2</v>"))) +
                                    "<hyperlinks><hyperlink ref=\"A1\" r:id=\"rL\"/>"
                                    "<hyperlink ref=\"B1\" location=\"Other!A1\"/></hyperlinks>",
                                "<Relationship Id=\"rL\" Type=\"" + qrv::test::kRelType +
                                    "hyperlink\" Target=\"https://example.com/a%20b\" TargetMode=\"External\"/>");
    WorkbookSpec two_sheets({SheetSpec("First", sheet_data(sheet_row(1, sheet_cell("A1", "<v>1</v>")))),
                             SheetSpec("Second", sheet_data(sheet_row(1, sheet_cell("A1", "<v>2</v>"))))});
    WorkbookSpec hidden_sheets({SheetSpec("Shown", sheet_data("")), SheetSpec("Away", sheet_data("")),
                                SheetSpec("Gone", sheet_data(""))});
    hidden_sheets.sheets[1].state = "hidden";
    hidden_sheets.sheets[2].state = "veryHidden";
    WorkbookSpec titled = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1</v>")));
    titled.extra = {{"docProps/core.xml",
                     "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
                     "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>Budget 2024</dc:title>"
                     "<dc:creator>Ann</dc:creator></cp:coreProperties>"}};
    WorkbookSpec dated1904 = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1904-01-02</v>", " t=\"d\"")));
    dated1904.workbook_pr = "<workbookPr date1904=\"1\"/>";

    const XlsxFeature features[] = {
        {"numbers",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>2.5</v>") + sheet_cell("B1", "<v>-3</v>"))),
         {"r1: =2.5| =-3|"}},
        {"shared strings", shared, {"r1: beta| alpha|"}},
        {"inline string",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<is><t>in line</t></is>", " t=\"inlineStr\""))),
         {"r1: in line|"}},
        {"rich text runs", rich, {"r1: *bold* plainred{#FF0000}|"}},
        {"truth values",
         one_sheet_book(
             sheet_row(1, sheet_cell("A1", "<v>1</v>", " t=\"b\"") + sheet_cell("B1", "<v>0</v>", " t=\"b\""))),
         {"r1: TRUE| FALSE|"}},
        {"error values",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>#DIV/0!</v>", " t=\"e\""))),
         {"r1: !#DIV/0!|"}},
        {"cached formula results",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<f>1+1</f><v>2</v>") +
                                         sheet_cell("B1", "<f>\"a\"&amp;\"b\"</f><v>ab</v>", " t=\"str\"") +
                                         sheet_cell("C1", "<f>X1</f>"))),
         {"r1: =2| ab|\n"}},
        {"escaped characters",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<is><t>a_x0009_b_x005F_x0041_</t></is>", " t=\"inlineStr\""))),
         {"r1: a\tb_x0041_|"}},
        {"merged cells",
         sheet(sheet_data(sheet_row(1, sheet_cell("A1", "<v>5</v>")) + sheet_row(3, sheet_cell("A3", "<v>6</v>"))) +
               "<mergeCells count=\"1\"><mergeCell ref=\"A1:B2\"/></mergeCells>"),
         {"r1: =5^2_2|\nr2:\nr3: =6| |"}},
        {"column widths and hidden columns",
         sheet("<cols><col min=\"1\" max=\"1\" width=\"20\" customWidth=\"1\"/>"
               "<col min=\"2\" max=\"2\" width=\"5\" hidden=\"1\"/></cols>" +
               sheet_data(sheet_row(1, sheet_cell("A1", "<v>1</v>") + sheet_cell("B1", "<v>2</v>")))),
         {"cols: 2100 0h\n"}},
        {"hidden rows",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1</v>")) +
                        sheet_row(2, sheet_cell("A2", "<v>2</v>"), " hidden=\"1\"")),
         {"r1: =1|\nr2h: =2|"}},
        {"hyperlinks", linked, {"[site](https://example.com/a%20b)", "=[2](#Other!A1)"}},
        {"fraction format", fraction, {"r1: 1 1/2|"}},
        {"bold and coloured cell format", styled, {"r1: =*7*{#0000FF}| =8|"}},
        {"sheets in order with their names", two_sheets, {"== First\ncols: 0\nr1: =1|\n== Second\n"}},
        {"hidden sheets marked", hidden_sheets, {"== Shown\n", "== Away (hidden)\n", "== Gone (hidden)\n"}},
        {"title property", titled, {"title=Budget 2024\n"}},
        {"ISO dates in the 1904 system", dated1904, {"r1: =1|"}},
        {"ISO dates in the 1900 system",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>2021-01-01T12:00:00</v>", " t=\"d\""))),
         {"r1: =44197.5|"}},
        {"cells and rows out of order",
         one_sheet_book(sheet_row(2, sheet_cell("B2", "<v>4</v>") + sheet_cell("A2", "<v>3</v>")) +
                        sheet_row(1, sheet_cell("A1", "<v>1</v>"))),
         {"r1: =1| |\nr2: =3| =4|"}},
        {"cells and rows without references",
         one_sheet_book("<row><c><v>1</v></c><c><v>2</v></c></row><row><c t=\"b\"><v>1</v></c></row>"),
         {"r1: =1| =2|\nr2: TRUE| |"}},
        {"zeros left out where the sheet's first view hides them",
         sheet("<sheetViews><sheetView showZeros=\"0\" workbookViewId=\"0\"/><sheetView workbookViewId=\"1\"/>"
               "</sheetViews>" +
               sheet_data(sheet_row(
                   1, sheet_cell("A1", "<v>0</v>") + sheet_cell("B1", "<v>2</v>") + sheet_cell("C1", "<v>0</v>")))),
         {"r1: | =2|\n"}},
        {"short empty stretches kept",
         one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1</v>") + sheet_cell("D1", "<v>2</v>"))),
         {"r1: =1| ^2| =2|"}},
    };
    for (const auto &f : features) {
        SCOPED_TRACE(f.name);
        expect_clean_walk_showing(import_and_walk(workbook_of(f.book), "book.xlsx"), f.shown);
    }
}

TEST(XlsxImport, ASparseSheetStaysAsSmallAsItsCells) {
    const SheetImport result =
        import_and_walk(workbook_of_rows(sheet_row(1, sheet_cell("A1", "<v>1</v>")) +
                                         sheet_row(1048576, sheet_cell("XFD1048576", "<v>2</v>"))),
                        "sparse.xlsx");
    ASSERT_EQ(result.rc, 0u) << result.message;
    const SheetImport one_cell =
        import_and_walk(workbook_of_rows(sheet_row(1, sheet_cell("A1", "<v>1</v>"))), "one.xlsx");
    EXPECT_LT(result.items, one_cell.items + 40u);
    EXPECT_NE(result.page.find("cols: 0 240gap2-16383 0\n"), std::string::npos) << result.page;
    EXPECT_NE(result.page.find("r1: =1| ^2|\nr2 gap 2-1048575: ^3|\nr1048576: ^2| =2|\n"), std::string::npos)
        << result.page;
}

TEST(XlsxImport, TheDateSystemIsWrittenWithTheSheet) {
    for (bool date1904 : {false, true}) {
        WorkbookSpec book = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1</v>")));
        if (date1904) book.workbook_pr = "<workbookPr date1904=\"true\"/>";
        const std::string dump = dump_of(workbook_of(book), "d.xlsx");
        EXPECT_NE(dump.find(date1904 ? "SECTION_LAYOUT 1\n" : "SECTION_LAYOUT\n"), std::string::npos) << dump;
    }
}

struct BadXlsx {
    const char *name;
    std::string bytes;
    uint32_t code;        // 0: a best-effort import
    std::string message;  // a piece of the error or of the warnings
    IMOptions options{sizeof(IMOptions), 0, 0, 0, 0, 0, 0};
};


TEST(XlsxImport, BadInputGivesOneLineOrAWarning) {
    const WorkbookSpec sound = one_sheet_book(sheet_row(1, sheet_cell("A1", "<v>1</v>", " t=\"s\"")));
    WorkbookSpec with_shared = sound;
    with_shared.shared = "<si><t>x</t></si>";
    const auto parts = qrv::test::workbook_parts(with_shared);
    const std::string good = qrv::test::zip_of(parts);
    std::vector<Part> no_workbook;
    for (const auto &p : parts)
        if (p.name != "xl/workbook.xml") no_workbook.push_back(p);
    std::vector<Part> encrypted = parts;
    for (auto &p : encrypted)
        if (p.name == "xl/worksheets/sheet1.xml") p.encrypted = true;
    std::string big_rows;
    for (int r = 1; r <= 400; ++r)
        big_rows += sheet_row(r, sheet_cell(("A" + std::to_string(r)).c_str(), "<v>12345</v>"));

    std::vector<BadXlsx> cases = {
        {"not an archive", "PK\x03\x04 this is no zip at all", IM_ERR_BROKEN, "book.xlsx: "},
        {"truncated archive", good.substr(0, good.size() / 2), IM_ERR_BROKEN, "book.xlsx: "},
        {"missing workbook part", qrv::test::zip_of(no_workbook), IM_ERR_BROKEN, "xl/workbook.xml"},
        {"malformed worksheet", with_part(parts, "xl/worksheets/sheet1.xml", "<worksheet><sheetData><row>"),
         IM_ERR_BROKEN, "book.xlsx: xl/worksheets/sheet1.xml: line 1: "},
        {"entity bomb",
         with_part(parts, "xl/sharedStrings.xml",
                   "<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
                   "<sst xmlns=\"" +
                       qrv::test::kSpreadsheetNs + "\"><si><t>&b;</t></si></sst>"),
         IM_ERR_BROKEN, "xl/sharedStrings.xml"},
        {"encrypted part", qrv::test::zip_of(encrypted), IM_ERR_ENCRYPTED, "xl/worksheets/sheet1.xml"},
        {"archive bomb",
         workbook_of_rows(big_rows),
         IM_ERR_LIMIT,
         "xl/worksheets/sheet1.xml",
         {sizeof(IMOptions), 0, 2000, 0, 0, 0, 0}},
        {"too many items", workbook_of_rows(big_rows), IM_ERR_LIMIT, "items", {sizeof(IMOptions), 0, 0, 0, 100, 0, 0}},
        {"shared string out of range",
         with_part(parts, "xl/sharedStrings.xml", "<sst xmlns=\"" + qrv::test::kSpreadsheetNs + "\"/>"), 0,
         "cell A1 names shared string '1' of 0"},
        {"cell format out of range", workbook_of_rows(sheet_row(1, sheet_cell("A1", "<v>1</v>", " s=\"9\""))), 0,
         "a cell names cell format 9 of 0"},
        {"absurd dimensions",
         workbook_of_rows(sheet_row(1, sheet_cell("A1", "<v>1</v>")) +
                          sheet_row(5, sheet_cell("A2000000", "<v>1</v>"))),
         0, "cell reference 'A2000000' is malformed or out of range"},
        {"absurd row", workbook_of_rows(sheet_row(3000000, sheet_cell("A1", "<v>1</v>"))), 0,
         "row '3000000' is out of range"},
        {"value that is no number", workbook_of_rows(sheet_row(1, sheet_cell("A1", "<v>abc</v>"))), 0,
         "cell A1: 'abc' is not a number"},
        {"broken workbook relationships", with_part(parts, "xl/_rels/workbook.xml.rels", "<Relationships"), 0,
         "parts are looked for by their usual names"},
        {"malformed merged range",
         workbook_of(sheet(sheet_data("") + "<mergeCells><mergeCell ref=\"B:C\"/></mergeCells>")), 0,
         "merged range 'B:C' is malformed"},
    };
    const std::string protected_book = qrv::test::read_file(QRV_SOURCE_DIR "/../shared/corpus/xlsx/pass_protected.xlsx");
    if (!protected_book.empty())
        cases.push_back({"password-protected workbook", protected_book, IM_ERR_ENCRYPTED, "password"});
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SheetImport result = import_and_walk(c.bytes, "book.xlsx", &c.options);
        EXPECT_EQ(result.rc, c.code) << result.message;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find('\n'), c.code ? std::string::npos : result.message.find('\n'));
    }
}

}  // namespace
