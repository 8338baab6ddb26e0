// .xlsb import as the filters see it: each kind of cell, sheet and styles
// record from a few records built at test time, and bad input, which gives
// a best-effort sheet with a warning or one line naming the fault.
#include <gtest/gtest.h>

#include "sheet_log.hpp"
#include "xlsb_builder.hpp"

namespace qrv::test::xlsb {
namespace {

struct Case {
    const char *name;
    BinaryBookSpec book;
    std::vector<std::string> shown;  // pieces of the walk's log
};

BinaryBookSpec with_styles(BinaryBookSpec book, const std::string &styles) {
    book.styles = styles;
    return book;
}
BinaryBookSpec with_shared(BinaryBookSpec book, const std::string &shared) {
    book.shared = shared;
    return book;
}

// Fonts: the sheet's own, then a bold one.
const std::string kFonts = font() + font(true);

SheetImport import_binary(const std::string &bytes) { return import_and_walk(bytes, "book.xlsb"); }

TEST(XlsbImport, EachCellRecordReachesTheFilters) {
    const std::string rich_item = record(kStringItem, rich_string(u"bold plain", {{0, 1}, {4, 0}}));
    const std::string long_text(9000, 'x');
    const Case cases[] = {
        {"packed numbers",
         one_sheet(row(0) + rk(0, rk_of_integer(-7, false)) + rk(1, rk_of_integer(1234, true)) +
                   rk(2, rk_of_double(0.5, false)) + rk(3, rk_of_double(150.0, true)) +
                   rk(4, rk_of_integer(-5, true))),
         {"r1: =-7| =12.34| =0.5| =1.5| =-0.05|"}},
        {"numbers", one_sheet(row(0) + real(0, 2.5) + real(1, -3) + real(2, 1e-11)), {"r1: =2.5| =-3| =1E-11|"}},
        {"shared strings", with_shared(one_sheet(row(0) + shared(0, 1) + shared(1, 0)), sst({u"alpha", u"beta"})),
         {"r1: beta| alpha|"}},
        {"own strings", one_sheet(row(0) + text(0, u"caf\u00e9") + text(1, u"") + real(2, 1)), {"r1: café| | =1|"}},
        {"a string longer than the reading buffer",
         one_sheet(row(0) + text(0, std::u16string(long_text.begin(), long_text.end())) + real(1, 3)),
         {"r1: " + long_text + "| =3|"}},
        {"rich shared strings",
         with_styles(with_shared(one_sheet(row(0) + shared(0, 0)), record(kBeginSst) + rich_item), kFonts),
         {"r1: *bold* plain|"}},
        {"rich own strings",
         with_styles(one_sheet(row(0) + record(kCellRichString, cell(0) + rich_string(u"ab", {{1, 1}}))), kFonts),
         {"r1: a*b*|"}},
        {"runs out of order or past the text, and fonts out of range",
         with_styles(one_sheet(row(0) + record(kCellRichString,
                                               cell(0) + rich_string(u"abc", {{1, 1}, {0, 1}, {2, 0}, {9, 7}}))),
                     kFonts),
         {"r1: a*b*c|"}},
        {"truth values and errors",
         one_sheet(row(0) + record(kCellBool, cell(0) + u8(1)) + record(kCellBool, cell(1) + u8(0)) +
                   record(kCellError, cell(2) + u8(0x07)) + record(kCellError, cell(3) + u8(0x2A))),
         {"r1: TRUE| FALSE| !#DIV/0!| !#N/A|"}},
        {"cached formula results",
         one_sheet(row(0) + formula(kFormulaNumber, 0, f64(42)) + formula(kFormulaString, 1, wide(u"ab")) +
                   formula(kFormulaBool, 2, u8(1)) + formula(kFormulaError, 3, u8(0x17))),
         {"r1: =42| ab| TRUE| !#REF!|"}},
        {"blank cells hold their place",
         one_sheet(row(0) + real(0, 1) + record(kCellBlank, cell(1)) + real(2, 2)), {"r1: =1| | =2|"}},
        {"rows in order with gaps",
         one_sheet(row(0) + real(0, 1) + row(2) + real(0, 3)), {"r1: =1|\nr2: |\nr3: =3|"}},
        {"the last row and column",
         one_sheet(row(1048575) + real(0, 1) + row(0) + real(16383, 2)), {"r1048576: =1|", " =2|\n"}},
        {"merged cells", one_sheet(row(0) + real(0, 5), merge(0, 1, 0, 1)), {"r1: =5^2_2|"}},
        {"hidden rows", one_sheet(row(0) + real(0, 1) + row(1, 300, 0x1000) + real(0, 2)), {"r1: =1|\nr2h: =2|"}},
        {"column widths and hidden columns",
         BinaryBookSpec({BinarySheet("S", columns(0, 0, 20 * 256) + columns(1, 1, 5 * 256, 0x0001) +
                                         sheet_data(row(0) + real(0, 1) + real(1, 2)))}),
         {"cols: 2100 0h\n"}},
        {"hidden sheets and sheets in order",
         BinaryBookSpec({BinarySheet("First", sheet_data(row(0) + real(0, 1))),
                         BinarySheet("Second", sheet_data(""), 1), BinarySheet("Third", sheet_data(""), 2)}),
         {"== First\n", "== Second (hidden)\n", "== Third (hidden)\n"}},
        {"links to other files and to places in the workbook",
         BinaryBookSpec({BinarySheet("S",
                                     sheet_data(row(0) + text(0, u"site") + real(1, 2)) + hyperlink(0, 0, "rL", u"") +
                                         hyperlink(0, 1, "", u"Other!A1"),
                                     0,
                                     "<Relationship Id=\"rL\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                                     "2006/relationships/hyperlink\" Target=\"https://example.com/a\" "
                                     "TargetMode=\"External\"/>")}),
         {"r1: [site](https://example.com/a)| =[2](#Other!A1)|"}},
        {"zeros left out where the sheet's first view hides them",
         BinaryBookSpec({BinarySheet("S", sheet_view(0x0004) + sheet_view(0x0014) +
                                              sheet_data(row(0) + real(0, 0) + real(1, 2)))}),
         {"r1: | =2|"}},
        {"zeros shown where the view says so",
         BinaryBookSpec({BinarySheet("S", sheet_view(0x0014) + sheet_data(row(0) + real(0, 0)))}), {"r1: =0|"}},
        {"dates in the 1900 system", with_styles(one_sheet(row(0) + real(0, 45000, 1)), kFonts + cell_xfs({xf(0), xf(14)})),
         {"r1: =3/15/2023|"}},
        {"dates in the 1904 system",
         [] {
             BinaryBookSpec book = with_styles(one_sheet(row(0) + real(0, 45000, 1)), kFonts + cell_xfs({xf(0), xf(14)}));
             book.date1904 = true;
             return book;
         }(),
         {"r1: =3/16/2027|"}},
        {"built-in number formats",
         with_styles(one_sheet(row(0) + real(0, 1.5, 1) + real(1, 1.5)), kFonts + cell_xfs({xf(0), xf(12)})),
         {"r1: 1 1/2| =1.5|"}},
        {"custom number formats",
         with_styles(one_sheet(row(0) + real(0, 2.25, 1)),
                     number_format(164, u"# ?/?") + kFonts + cell_xfs({xf(0), xf(164)})),
         {"r1: 2 1/4|"}},
        {"a bold cell format",
         with_styles(one_sheet(row(0) + real(0, 7, 1) + real(1, 8)), kFonts + cell_xfs({xf(0), xf(0, 1)})),
         {"r1: =*7*| =8|"}},
        {"the style formats are not cell formats",
         with_styles(one_sheet(row(0) + real(0, 7, 1)), kFonts + xf(0, 1) + xf(0, 1) + cell_xfs({xf(0), xf(0)})),
         {"r1: =7|"}},
        {"a truth value under a number format shows as the number",
         with_styles(one_sheet(row(0) + record(kCellBool, cell(0, 1) + u8(1))), kFonts + cell_xfs({xf(0), xf(12)})),
         {"r1: 1|"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_clean_walk_showing(import_binary(binary_workbook(c.book)), c.shown);
    }
}

TEST(XlsbImport, TheDateSystemIsWrittenWithTheSheet) {
    for (bool date1904 : {false, true}) {
        BinaryBookSpec book = one_sheet(row(0) + real(0, 1));
        book.date1904 = date1904;
        const std::string dump = dump_of(binary_workbook(book), "book.xlsb");
        EXPECT_NE(dump.find(date1904 ? "SECTION_LAYOUT 1\n" : "SECTION_LAYOUT\n"), std::string::npos) << dump;
    }
}

// The parts of a sound workbook of one sheet, with one replaced or left out.
std::vector<Part> sound_parts() { return binary_parts(with_shared(one_sheet(row(0) + real(0, 1)), sst({u"a"}))); }
std::string sound_with(const std::string &part, const std::string &content) {
    return with_part(sound_parts(), part, content);
}
std::string sound_without(const std::string &part) {
    std::vector<Part> parts;
    for (Part &p : sound_parts())
        if (p.name != part) parts.push_back(std::move(p));
    return zip_of(parts);
}
std::string sheet_of(const std::string &cells) {
    return binary_workbook(with_shared(one_sheet(row(0) + real(0, 1) + cells), sst({u"a"})));
}

TEST(XlsbFaults, BadInputGivesOneLineOrAWarning) {
    const std::string sheet = "xl/worksheets/sheet1.bin";
    const std::string cut_real = real(1, 2).substr(0, 10);
    const struct {
        const char *name;
        std::string bytes;
        uint32_t code;        // 0: a best-effort import
        std::string message;  // a piece of the error or of the warnings
        std::string shown;    // with a best-effort import, a piece of its log
    } cases[] = {
        {"a part cut inside a record", sound_with(sheet, row(0) + real(0, 1) + cut_real), 0,
         sheet + ": the part ends inside a record's data", "r1: =1|"},
        {"a size past the end of the part",
         sound_with(sheet, row(0) + real(0, 1) + varint(kCellReal) + varint(1000) + "abc"), 0,
         "the part ends inside a record's data", "r1: =1|"},
        {"a part cut inside a record's type", sound_with(sheet, row(0) + real(0, 1) + "\x81"), 0,
         "ends inside a record's type", "r1: =1|"},
        {"a workbook part cut inside its sheet list",
         [] {
             auto parts = binary_parts(BinaryBookSpec({BinarySheet("A", sheet_data(row(0) + real(0, 1))),
                                                       BinarySheet("B", sheet_data(row(0) + real(0, 2)))}));
             for (Part &p : parts)
                 if (p.name == "xl/workbook.bin") p.content.resize(p.content.size() - 12);
             return zip_of(parts);
         }(),
         0, "xl/workbook.bin: the part ends inside a record's data", "== A\ncols: 0\nr1: =1|\n"},
        {"a part cut inside a record's size", sound_with(sheet, row(0) + real(0, 1) + varint(kCellReal) + "\x90"), 0,
         "ends inside a record's size", "r1: =1|"},
        {"a size past four bytes", sound_with(sheet, row(0) + real(0, 1) + varint(kCellReal) + "\xFF\xFF\xFF\xFF\x01"),
         0, "runs past four bytes", "r1: =1|"},
        {"a size more than a record may hold", sound_with(sheet, row(0) + real(0, 1) + varint(kCellReal) + varint(1u << 27)),
         0, "more than a record may", "r1: =1|"},
        {"a record shorter than its cell", sheet_of(record(kCellReal, cell(1) + u32(0)) + real(2, 3)), 0,
         "is shorter than its contents; it is passed over", "r1: =1| | =3|"},
        {"a shared string out of range", sheet_of(shared(1, 9)), 0, "names shared string 9 of 1", "r1: =1|"},
        {"a cell format out of range", sheet_of(real(1, 2, 9)), 0, "a cell names cell format 9", "r1: =1| =2|"},
        {"an absurd row", sheet_of(row(5000000) + real(0, 2) + row(1) + real(0, 3)), 0,
         "row 5000000 is out of range", "r2: =3|"},
        {"an absurd column", sheet_of(real(70000, 2)), 0, "is in column 70000, out of range", "r1: =1|"},
        {"an absurd merged range", sheet_of(merge(0, 5000000, 0, 1)), 0, "a merged range is out of range", "r1: =1|"},
        {"a string item cut short keeps the later indexes",
         binary_workbook(with_shared(one_sheet(row(0) + shared(0, 1)),
                                     record(kStringItem, u8(0) + u32(50)) + record(kStringItem, rich_string(u"second")))),
         0, "xl/sharedStrings.bin: record 19 at byte 0 is shorter", "r1: second|"},
        {"an empty workbook part", sound_with("xl/workbook.bin", ""), IM_ERR_BROKEN, "the workbook has no sheets", ""},
        {"no workbook part", sound_without("xl/workbook.bin"), IM_ERR_BROKEN, "xl/workbook.bin", ""},
        {"a sheet whose part is missing", sound_without(sheet), 0, "sheet 'S': its part is missing; it is left empty",
         "== S\n"},
        {"a sheet whose relationship names no part",
         sound_with("xl/_rels/workbook.bin.rels", relationships(relationship("rS", "sharedStrings", "sharedStrings.bin"))),
         0, "sheet 'S': its part is missing", "== S\n"},
        {"not an archive", "PK\x03\x04 no zip at all", IM_ERR_BROKEN, "book.xlsb: ", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SheetImport result = import_binary(c.bytes);
        EXPECT_EQ(result.rc, c.code) << result.message;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        if (c.code)
            EXPECT_EQ(result.message.find('\n'), std::string::npos) << result.message;
        else
            EXPECT_NE(result.page.find(c.shown), std::string::npos) << result.page;
    }
}

}  // namespace
}  // namespace qrv::test::xlsb
