// Telling a file's format from its content and name, and refusing the
// files that are known but not read.
#include <gtest/gtest.h>
#include <qrvim.h>

#include <sstream>
#include <string>

#include "package_builder.hpp"

namespace {

using qrv::test::package_frame;
using qrv::test::zip_of;

std::string ooxml_package(const std::string &main_part, const std::string &type) {
    auto parts = package_frame(main_part, type);
    parts.push_back({main_part, "<root/>"});
    return zip_of(parts);
}

std::string odf_package(const std::string &mimetype) {
    return zip_of({{"mimetype", mimetype, true}, {"content.xml", "<office:document-content/>"}});
}

std::string flat_odf(const std::string &mimetype) {
    return "<?xml version=\"1.0\"?>\n<office:document "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "office:mimetype=\"" +
           mimetype + "\"><office:body/></office:document>";
}

const std::string kCompound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
std::string utf16_bytes(std::u16string_view name) {
    return std::string(reinterpret_cast<const char *>(name.data()), name.size() * 2);
}

struct DetectCase {
    const char *what;
    std::string bytes;
    const char *name;
    uint32_t format;
};

TEST(Detect, FormatOfContentAndName) {
    const std::string sheet = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";
    const std::string macro = "application/vnd.ms-excel.sheet.macroEnabled.main+xml";
    const std::string word = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
    const DetectCase cases[] = {
        {"workbook by content type", ooxml_package("xl/workbook.xml", sheet), "a.bin", IM_FORMAT_XLSX},
        {"macro workbook", ooxml_package("xl/workbook.xml", macro), nullptr, IM_FORMAT_XLSX},
        {"workbook main part elsewhere", ooxml_package("book/main.xml", sheet), "x", IM_FORMAT_XLSX},
        {"document by content type", ooxml_package("word/document.xml", word), "a.xlsx", IM_FORMAT_DOCX},
        {"workbook without content types", zip_of({{"xl/workbook.xml", "<w/>"}}), nullptr, IM_FORMAT_XLSX},
        {"spreadsheet by mimetype", odf_package("application/vnd.oasis.opendocument.spreadsheet"), "a.odt",
         IM_FORMAT_ODS},
        {"text by mimetype", odf_package("application/vnd.oasis.opendocument.text\n"), nullptr, IM_FORMAT_ODT},
        {"flat spreadsheet", flat_odf("application/vnd.oasis.opendocument.spreadsheet"), "a.xml", IM_FORMAT_ODS},
        {"flat text", flat_odf("application/vnd.oasis.opendocument.text"), nullptr, IM_FORMAT_ODT},
        {"Excel 97-2003 by its stream", kCompound + std::string(100, '\0') + utf16_bytes(u"Workbook"), "a.bin",
         IM_FORMAT_XLS},
        {"Excel 5 by its stream", kCompound + std::string(100, '\0') + utf16_bytes(u"Book"), nullptr, IM_FORMAT_XLS},
        {"Excel 4, a bare stream", std::string("\x09\x04\x06\x00\x00\x00\x10\x00", 8), nullptr, IM_FORMAT_XLS},
        {"Excel 2, a bare stream", std::string("\x09\x00\x04\x00\x02\x00\x10\x00", 8), nullptr, IM_FORMAT_XLS},
        {"damaged compound file named as workbook", kCompound + std::string(100, '\0'), "old.xls", IM_FORMAT_XLS},
        {"other zip", zip_of({{"readme.txt", "hello"}}), "a.zip", IM_FORMAT_AUTO},
        {"damaged zip named as workbook", "PK\x03\x04garbage", "book.XLSX", IM_FORMAT_XLSX},
        {"damaged zip named as nothing", "PK\x03\x04garbage", "book.bin", IM_FORMAT_AUTO},
        {"csv by extension", "just one column\n", "a.csv", IM_FORMAT_CSV},
        {"tsv by extension", "a,b\n", "a.tab", IM_FORMAT_TSV},
        {"csv by content", "a,b,c\n1,2,3\n4,5,6\n", nullptr, IM_FORMAT_CSV},
        {"semicolons by content", "a;b\n\"x;y\";2\n", "data.txt", IM_FORMAT_CSV},
        {"tabs by content", "a\tb\n1\t2\n", nullptr, IM_FORMAT_TSV},
        {"text format by extension", "whatever", "doc.qrvt", IM_FORMAT_TEXT},
        {"text format by content", "# a comment\n\nchunk-size 4\ntext \"x\"\n", nullptr, IM_FORMAT_TEXT},
        {"text format label first", "@a: text \"x, y\"\n", nullptr, IM_FORMAT_TEXT},
        {"prose", "Dear reader.\nNothing here.\n", "letter.txt", IM_FORMAT_AUTO},
        {"binary",
         std::string("\x7f"
                     "ELF\0\0\0",
                     7),
         nullptr, IM_FORMAT_AUTO},
        {"empty", "", nullptr, IM_FORMAT_AUTO},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IMDetectFormat(c.bytes.data(), c.bytes.size(), c.name), c.format) << c.what;
    }
}

struct RefusalCase {
    const char *what;
    std::string bytes;
    uint32_t code;
    const char *message;
};

TEST(Detect, KnownFilesThatAreNotReadAreRefusedWithTheirReason) {
    const std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const std::string encryption_info(reinterpret_cast<const char *>(u"EncryptionInfo"), 28);
    const RefusalCase cases[] = {
        {"encrypted Office file", compound + std::string(100, '\0') + encryption_info, IM_ERR_ENCRYPTED,
         "in.xlsx: the file is encrypted (password-protected); save it without a password to export it"},
        {"legacy workbook", compound + std::string(100, '\0'), IM_ERR_UNSUPPORTED,
         "in.xlsx: a binary Office file that is neither an Excel nor a Word 97-2003 file, which is not read; save "
         "it as .xlsx, .docx or .pptx"},
        {"unknown", "Dear reader.\n", IM_ERR_FORMAT, "cannot tell the format of in.xlsx"},
    };
    for (const auto &c : cases) {
        // Asking for a format does not get past a refusal.
        for (uint32_t format : {uint32_t{IM_FORMAT_AUTO}, uint32_t{IM_FORMAT_XLSX}}) {
            if (c.code == IM_ERR_FORMAT && format != IM_FORMAT_AUTO) continue;
            IMOptions options{sizeof(IMOptions), format, 0, 0, 0, 0, 0};
            CHHandle h = 77;
            char message[300];
            EXPECT_EQ(IMImportMemory(c.bytes.data(), c.bytes.size(), "in.xlsx", &options, &h, message, sizeof message),
                      c.code)
                << c.what;
            EXPECT_EQ(h, 0u) << c.what;
            EXPECT_STREQ(message, c.message) << c.what;
        }
    }
}

TEST(Detect, FormatNames) {
    EXPECT_STREQ(IMFormatName(IM_FORMAT_XLSX), "xlsx");
    EXPECT_STREQ(IMFormatName(IM_FORMAT_TEXT), "text");
    EXPECT_EQ(IMFormatName(IM_FORMAT_AUTO), nullptr);
    EXPECT_EQ(IMFormatName(IM_FORMAT_COUNT), nullptr);
    EXPECT_EQ(IMFormatFromName("XLSX"), uint32_t{IM_FORMAT_XLSX});
    EXPECT_EQ(IMFormatFromName("xlsm"), uint32_t{IM_FORMAT_XLSX});  // an extension names its format too
    EXPECT_EQ(IMFormatFromName("fods"), uint32_t{IM_FORMAT_ODS});
    EXPECT_EQ(IMFormatFromName("pdf"), uint32_t{IM_FORMAT_AUTO});
    EXPECT_EQ(IMFormatFromName(nullptr), uint32_t{IM_FORMAT_AUTO});
}

TEST(Detect, FormatsRecognisedButNotReadAreRefusedByName) {
    const std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const auto stream = [](std::u16string_view name) {
        return std::string(reinterpret_cast<const char *>(name.data()), name.size() * 2);
    };
    const RefusalCase cases[] = {
        {"PowerPoint 97-2003 with an embedded workbook",
         compound + stream(u"Workbook") + stream(u"PowerPoint Document"), IM_ERR_UNSUPPORTED,
         "in.xlsx: a PowerPoint 97-2003 presentation, which is not read"},
        {"encrypted, whatever it wraps", compound + stream(u"WordDocument") + stream(u"EncryptionInfo"),
         IM_ERR_ENCRYPTED,
         "in.xlsx: the file is encrypted (password-protected); save it without a password to export it"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IMDetectFormat(c.bytes.data(), c.bytes.size(), "in.xlsx"), uint32_t{IM_FORMAT_AUTO}) << c.what;
        CHHandle h = 77;
        char message[300];
        EXPECT_EQ(IMImportMemory(c.bytes.data(), c.bytes.size(), "in.xlsx", nullptr, &h, message, sizeof message),
                  c.code)
            << c.what;
        EXPECT_EQ(h, 0u) << c.what;
        EXPECT_STREQ(message, c.message) << c.what;
    }
}

// The table behind the names: every format read is found again by its
// name and by each of its extensions; those not read have no number.
TEST(Detect, TableOfFormatsAgreesWithTheNames) {
    uint32_t read = 0, refused = 0;
    for (uint32_t i = 0; const IMFormatEntry *e = IMFormatEntryAt(i); ++i) {
        ASSERT_NE(e->Name, nullptr);
        ASSERT_NE(e->Description, nullptr);
        EXPECT_EQ(IMFormatFromName(e->Name), e->Format) << e->Name;
        std::istringstream words(e->Extensions);
        for (std::string ext; words >> ext;) EXPECT_EQ(IMFormatFromName(ext.c_str()), e->Format) << ext;
        if (e->Format == IM_FORMAT_AUTO) {
            ++refused;
            EXPECT_EQ(IMFormatName(e->Format), nullptr);
        } else {
            ++read;
            EXPECT_STREQ(IMFormatName(e->Format), e->Name);
        }
    }
    uint32_t numbered = 0;  // numbers may be left unused
    for (uint32_t id = 1; id < IM_FORMAT_COUNT; ++id) numbered += IMFormatName(id) != nullptr;
    EXPECT_EQ(read, numbered);
    EXPECT_GE(refused, 1u);
}

}  // namespace
