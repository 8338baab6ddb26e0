// .xls import as the filters see it: each kind of cell and sheet record
// from a few records built at test time.
#include <gtest/gtest.h>

#include "biff_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::test::biff {
namespace {

std::string sst(const std::vector<std::string> &strings) {
    std::string body = u32(static_cast<uint32_t>(strings.size())) + u32(static_cast<uint32_t>(strings.size()));
    for (const auto &s : strings) body += text(s);
    return record(0x00FC, body);
}
// A formula whose cached result is the 8 bytes given.
std::string formula(uint16_t row, uint16_t column, const std::string &result) {
    return record(0x0006, cell(row, column) + result + u16(0) + u32(0) + u16(0));
}
std::string text_result(uint8_t type, uint8_t value = 0) {
    return u8(type) + u8(0) + u8(value) + std::string(3, '\0') + u16(0xFFFF);
}

struct Case {
    const char *name;
    std::string globals;
    std::vector<Sheet> sheets;
    std::vector<std::string> shown;
};

std::vector<Sheet> one(const std::string &records) { return {Sheet{"S", records}}; }

TEST(XlsImport, EachCellRecordReachesTheFilters) {
    const std::string bool_and_errors = record(0x0205, cell(0, 0) + u8(1) + u8(0)) +
                                        record(0x0205, cell(0, 1) + u8(0) + u8(0)) +
                                        record(0x0205, cell(0, 2) + u8(0x07) + u8(1));
    const Case cases[] = {
        {"numbers", "", one(record(0x0203, cell(0, 0) + f64(2.5)) + record(0x0203, cell(0, 1) + f64(-3))),
         {"r1: =2.5| =-3|"}},
        {"zeros left out where the sheet's view hides them",
         "",
         one(record(0x0203, cell(0, 0) + f64(0)) + record(0x0203, cell(0, 1) + f64(2)) +
             record(0x023E, u16(0x06A6) + std::string(16, '\0'))),
         {"r1: | =2|"}},
        {"zeros shown where the view says so",
         "",
         one(record(0x0203, cell(0, 0) + f64(0)) + record(0x023E, u16(0x06B6) + std::string(16, '\0'))),
         {"r1: =0|"}},
        {"general numbers keep 15 digits",
         "",
         one(record(0x0203, cell(0, 0) + f64(0.123456789)) + record(0x0203, cell(0, 1) + f64(1e-11))),
         {"r1: =0.123456789| =1E-11|"}},
        {"packed numbers",
         "",
         one(record(0x027E, cell(0, 0) + u32(rk_of_integer(-7, false))) +
             record(0x027E, cell(0, 1) + u32(rk_of_integer(1234, true))) +
             record(0x027E, cell(0, 2) + u32(rk_of_double(0.5, false))) +
             record(0x027E, cell(0, 3) + u32(rk_of_double(150.0, true)))),
         {"r1: =-7| =12.34| =0.5| =1.5|"}},
        {"a row of packed numbers",
         "",
         one(record(0x00BD, u16(1) + u16(1) + u16(0) + u32(rk_of_integer(4, false)) + u16(0) +
                                u32(rk_of_integer(5, false)) + u16(2))),
         {"r2: | =4| =5|"}},
        {"shared strings", sst({"alpha", "beta"}),
         one(record(0x00FD, cell(0, 0) + u32(1)) + record(0x00FD, cell(0, 1) + u32(0))), {"r1: beta| alpha|"}},
        {"own strings", "", one(record(0x0204, cell(0, 0) + wide_text(u"caf\u00e9"))), {"r1: café|"}},
        {"truth values and errors", "", one(bool_and_errors), {"r1: TRUE| FALSE| !#DIV/0!|"}},
        {"cached formula results",
         "",
         one(formula(0, 0, f64(42)) + formula(0, 1, text_result(0)) + record(0x0207, text("ab")) +
             formula(0, 2, text_result(1, 1)) + formula(0, 3, text_result(2, 0x2A)) +
             formula(0, 4, text_result(3)) + record(0x0203, cell(0, 5) + f64(1))),
         {"r1: =42| ab| TRUE| !#N/A| | =1|"}},
        {"merged cells", "",
         one(record(0x0203, cell(0, 0) + f64(5)) + record(0x00E5, u16(1) + u16(0) + u16(1) + u16(0) + u16(1))),
         {"r1: =5^2_2|"}},
        {"hidden rows", "",
         one(record(0x0208, u16(1) + u16(0) + u16(1) + u16(255) + u16(0) + u16(0) + u16(0x20) + u16(0)) +
             record(0x0203, cell(1, 0) + f64(2))),
         {"r2h: =2|"}},
        {"column widths and hidden columns", "",
         one(record(0x007D, u16(0) + u16(0) + u16(20 * 256) + u16(0) + u16(0) + u16(0)) +
             record(0x007D, u16(1) + u16(1) + u16(5 * 256) + u16(0) + u16(1) + u16(0)) +
             record(0x0203, cell(0, 1) + f64(1))),
         {"cols: 2100 0h\n"}},
        {"hidden sheets and sheets in order", "",
         {Sheet{"First", record(0x0203, cell(0, 0) + f64(1))}, Sheet{"Second", "", 1}},
         {"== First\n", "== Second (hidden)\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_clean_walk_showing(import_and_walk(xls_file(workbook(c.globals, c.sheets)), "book.xls"), c.shown);
    }
}

// Excel 3 and 4 wrote one worksheet as the whole file: its fonts, formats
// (numbered in order) and cell formats (one-byte numbers) among its cells;
// its one font is bold.
std::string old_worksheet(uint16_t bof, uint16_t formula, uint16_t format, uint16_t xf,
                          const std::string &format_prefix, const std::string &xf_tail) {
    const auto bytes = [](const std::string &s) { return u16(static_cast<uint32_t>(s.size())) + s; };
    const auto short_bytes = [](const std::string &s) { return u8(static_cast<uint32_t>(s.size())) + s; };
    return record(bof, u16(0) + u16(0x0010) + u16(0)) + record(0x0231, u16(200) + u16(0x01) + u16(0x7FFF) + short_bytes("Arial")) +
           record(format, format_prefix + short_bytes("General")) +
           record(format, format_prefix + short_bytes("0.00")) +
           record(format, format_prefix + short_bytes("yyyy-mm-dd")) + record(xf, u8(0) + u8(0) + xf_tail) +
           record(xf, u8(0) + u8(2) + xf_tail) + record(0x0203, cell(0, 0, 1) + f64(45000)) +
           record(0x0204, cell(0, 1) + bytes("caf\xe9")) + record(0x027E, cell(0, 2) + u32(5u << 2 | 2)) +
           record(formula, cell(1, 0) + text_result(0) + u16(0) + u16(0)) + record(0x0207, bytes("made")) +
           record(formula, cell(1, 1) + f64(1.5) + u16(0) + u16(0)) + eof();
}

TEST(XlsImport, ExcelThreeAndFourWorksheetsAreRead) {
    const std::string xf_tail(10, '\0');
    const struct {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"Excel 3", old_worksheet(0x0209, 0x0206, 0x001E, 0x0243, "", xf_tail)},
        {"Excel 4", old_worksheet(0x0409, 0x0406, 0x041E, 0x0443, u16(0), xf_tail)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expect_clean_walk_showing(import_and_walk(c.bytes, "old.xls"),
                                  {"Sheet1", "r1: =*2023-03-15*| *caf\u00e9*| =*5*|", "r2: *made*| =*1.5*|"});
    }
}

}  // namespace
}  // namespace qrv::test::biff
