// .xls files that cannot be read, or only in part: one line naming the
// fault, or a warning.
#include <gtest/gtest.h>

#include "biff_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::test::biff {
namespace {

std::string one_number_sheet() { return record(0x0203, cell(0, 0) + f64(1)); }

TEST(XlsFaults, BadInputGivesOneLineOrAWarning) {
    const struct {
        const char *name;
        std::string bytes;
        uint32_t code;        // 0: a best-effort import
        std::string message;  // a piece of the error or of the warnings
    } cases[] = {
        {"encrypted", xls_file(workbook(record(0x002F, u16(1) + std::string(52, '\0')), {Sheet{"S", ""}})),
         IM_ERR_ENCRYPTED, "book.xls: the workbook is encrypted"},
        {"an Excel 4 workbook of several sheets in a compound file",
         xls_file(bof(0x0100, 0).replace(0, 2, u16(0x0409))), IM_ERR_UNSUPPORTED,
         "an Excel 2.x workbook or an Excel 4 workbook of several sheets, which is not read"},
        {"a bare Excel 2 stream", record(0x0009, u16(2) + u16(0x10)) + eof(), IM_ERR_UNSUPPORTED,
         "an Excel 2.x workbook"},
        {"no workbook stream", [] {
             qrv::test::CompoundFileBuilder b;
             b.add("Other", "x");
             return b.bytes();
         }(),
         IM_ERR_BROKEN, "book.xls: the compound file holds no workbook stream"},
        {"a stream without a BOF record", xls_file(eof()), IM_ERR_BROKEN, "does not start with a BOF record"},
        {"no sheets", xls_file(workbook("", {})), IM_ERR_BROKEN, "lists no sheets"},
        {"a chart sheet", xls_file(workbook("", {Sheet{"Chart", "", 0, 2}, Sheet{"Data", one_number_sheet()}})), 0,
         "sheet 'Chart' is a chart sheet"},
        {"a shared string out of range", xls_file(workbook("", {Sheet{"S", record(0x00FD, cell(0, 0) + u32(9))}})), 0,
         "names shared string 9 of 0"},
        {"a record shorter than its cell", xls_file(workbook("", {Sheet{"S", record(0x0203, cell(0, 0) + u16(1))}})),
         0, "shorter than its contents"},
        {"a sheet beyond the stream",
         xls_file(bof(0x0005) + record(0x0085, u32(99999) + u8(0) + u8(0) + text("Far", true)) + eof()), 0,
         "sheet 'Far' starts beyond the workbook stream"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = import_and_walk(c.bytes, "book.xls");
        EXPECT_EQ(result.rc, c.code) << result.message;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
        if (c.code) {
            EXPECT_EQ(result.message.find('\n'), std::string::npos) << result.message;
        }
    }
}

}  // namespace
}  // namespace qrv::test::biff
