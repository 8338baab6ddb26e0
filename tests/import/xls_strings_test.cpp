// Strings of .xls workbooks: shared strings cut by continuations in
// either character width, rich and phonetic data passed over, and the
// byte strings of Excel 5 workbooks in their code page.
#include <gtest/gtest.h>

#include "biff_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::test::biff {
namespace {

std::string utf16_ascii(const std::string &ascii) {
    std::string out;
    for (char c : ascii) out += u16(static_cast<unsigned char>(c));
    return out;
}

// Shared strings given as the SST record's pieces: the first after the
// counts, the rest each a CONTINUE record.
std::string split_sst(uint32_t count, const std::vector<std::string> &pieces) {
    std::string out = record(0x00FC, u32(count) + u32(count) + pieces[0]);
    for (size_t i = 1; i < pieces.size(); ++i) out += record(0x003C, pieces[i]);
    return out;
}

std::string cells_of_shared(uint16_t count) {
    std::string out;
    for (uint16_t i = 0; i < count; ++i) out += record(0x00FD, cell(0, i) + u32(i));
    return out;
}

TEST(XlsStrings, SharedStringsSurviveEveryKindOfSplit) {
    const struct {
        const char *name;
        uint32_t count;
        std::vector<std::string> pieces;
        const char *shown;
    } cases[] = {
        {"one-byte characters going on as two-byte",
         1,
         {u16(6) + u8(0) + "abc", u8(1) + utf16_ascii("def")},
         "r1: abcdef|"},
        {"two-byte characters going on as one-byte",
         1,
         {u16(4) + u8(1) + utf16_ascii("wx"), u8(0) + "yz"},
         "r1: wxyz|"},
        {"a split in each of three pieces",
         1,
         {u16(3) + u8(0) + "a", u8(0) + "b", u8(1) + utf16_ascii("c")},
         "r1: abc|"},
        {"a string that starts a continuation", 2, {text("one"), text("two")}, "r1: one| two|"},
        {"rich runs and phonetic data passed over",
         2,
         {u16(2) + u8(0x0C) + u16(1) + u32(4) + "hi" + u32(0x00010000) + u32(0xDEADBEEF) + text("next")},
         "r1: hi| next|"},
        {"runs cut by a continuation",
         2,
         {u16(2) + u8(0x08) + u16(2) + "ok" + u32(0), u32(0) + text("after")},
         "r1: ok| after|"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string book =
            workbook(split_sst(c.count, c.pieces), {Sheet{"S", cells_of_shared(static_cast<uint16_t>(c.count))}});
        expect_clean_walk_showing(import_and_walk(xls_file(book), "s.xls"), {c.shown});
    }
}

TEST(XlsStrings, Excel5BytesFollowTheCodePage) {
    const struct {
        const char *name;
        std::string globals;
        std::string bytes;
        const char *shown;
    } cases[] = {
        {"no code page: Windows-1252", "", "caf\xE9 \x80", "r1: café €|"},
        {"Cyrillic", record(0x0042, u16(1251)), "\xCF\xF0\xE8", "r1: При|"},
        {"Mac Roman", record(0x0042, u16(10000)), "\x8E", "r1: é|"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string label = record(0x0204, cell(0, 0) + u16(static_cast<uint32_t>(c.bytes.size())) + c.bytes);
        const std::string book = workbook(c.globals, {Sheet{"S", label}}, false);
        expect_clean_walk_showing(import_and_walk(xls_file(book, "Book"), "old.xls"), {"== S\n", c.shown});
    }
}

TEST(XlsStrings, TheDateSystemIsWrittenWithTheSheet) {
    for (bool date1904 : {false, true}) {
        const std::string globals = date1904 ? record(0x0022, u16(1)) : "";
        const std::string book = workbook(globals, {Sheet{"S", record(0x0203, cell(0, 0) + f64(1))}});
        const std::string dump = dump_of(xls_file(book), "d.xls");
        EXPECT_NE(dump.find(date1904 ? "SECTION_LAYOUT 1\n" : "SECTION_LAYOUT\n"), std::string::npos) << dump;
    }
}

TEST(XlsStrings, TheSummaryGivesTheTitle) {
    CompoundFileBuilder file;
    file.add("Workbook", workbook("", {Sheet{"S", record(0x0203, cell(0, 0) + f64(1))}}));
    file.add("\x05SummaryInformation", summary_with_title("Quarterly figures"));
    const std::string dump = dump_of(file.bytes(), "t.xls");
    EXPECT_NE(dump.find("Quarterly figures"), std::string::npos) << dump;
}

}  // namespace
}  // namespace qrv::test::biff
