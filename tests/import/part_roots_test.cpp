// Parts that are not what their place says: a main part that is the
// styles, a sheet or a body in another namespace, a relationship that leads
// to the package's own data.  Each is an error or a warning naming the part,
// never a silently empty page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "odt_builder.hpp"
#include "package_builder.hpp"
#include "workbook_builder.hpp"

namespace {

using qrv::test::Imported;
using qrv::test::Part;

const std::string kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const std::string kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
const std::string kOtherNs = "http://example.com/not-office";

// A Word package whose package relationship leads to main_target.
std::string word_package(const std::string &main_target, const std::string &document_ns = kWordNs) {
    std::vector<Part> parts = qrv::test::package_frame(
        main_target, "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    const std::string body = "<w:body><w:p><w:r><w:t>hello</w:t></w:r></w:p></w:body>";
    parts.push_back({"word/document.xml", "<w:document xmlns:w=\"" + document_ns + "\">" + body + "</w:document>"});
    parts.push_back({"word/styles.xml", "<w:styles xmlns:w=\"" + kWordNs + "\"/>"});
    return qrv::test::zip_of(parts);
}

void replace_in(std::vector<Part> &parts, const std::string &name, const std::string &from, const std::string &to) {
    for (Part &p : parts)
        if (p.name == name) p.content.replace(p.content.find(from), from.size(), to);
}

std::string workbook_with_sheet_ns(const std::string &ns) {
    const std::string rows = qrv::test::sheet_data("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    auto parts = qrv::test::workbook_parts(qrv::test::WorkbookSpec({qrv::test::SheetSpec("S", rows)}));
    replace_in(parts, "xl/worksheets/sheet1.xml", qrv::test::kSpreadsheetNs, ns);
    return qrv::test::zip_of(parts);
}

std::string workbook_with_root(const std::string &root) {
    auto parts = qrv::test::workbook_parts(qrv::test::WorkbookSpec({qrv::test::SheetSpec("S", "")}));
    replace_in(parts, "xl/workbook.xml", "<workbook ", "<" + root + " ");
    replace_in(parts, "xl/workbook.xml", "</workbook>", "</" + root + ">");
    return qrv::test::zip_of(parts);
}

std::string spreadsheet_with_office_ns(const std::string &ns) {
    auto parts = qrv::test::ods_parts(qrv::test::OdsSpec(qrv::test::ods_table("S", "")));
    replace_in(parts, "content.xml", "xmlns:office=\"" + kOfficeNs + "\"", "xmlns:office=\"" + ns + "\"");
    return qrv::test::zip_of(parts);
}

std::string text_with_office_ns(const std::string &ns) {
    qrv::test::Odt odt;
    odt.body = qrv::test::odt_p("hello");
    std::string content = odt.content();
    const std::string from = "xmlns:office=\"" + kOfficeNs + "\"";
    content.replace(content.find(from), from.size(), "xmlns:office=\"" + ns + "\"");
    const std::string manifest =
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
        "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"" +
        std::string(qrv::test::kOdtMediaType) + "\"/></manifest:manifest>";
    return qrv::test::zip_of(
        {{"mimetype", qrv::test::kOdtMediaType, true}, {"META-INF/manifest.xml", manifest}, {"content.xml", content}});
}

TEST(PartRoots, APartOfTheWrongKindIsNamed) {
    struct Case {
        const char *name;
        std::string bytes;
        const char *file;
        bool refused;
        const char *message;  // the start of a refusal, or a piece of the warnings
    } cases[] = {
        {"main part is the styles", word_package("word/styles.xml"), "t.docx", true,
         "t.docx: word/styles.xml: line 1: the part holds <styles> where a WordprocessingML <document> belongs"},
        {"body in another namespace", word_package("word/document.xml", kOtherNs), "t.docx", true,
         "t.docx: word/document.xml: line 1: the part holds a <document> of another namespace"},
        {"main part is the content types", word_package("[Content_Types].xml"), "t.docx", false,
         "_rels/.rels: relationship 'rId1' leads to [Content_Types].xml, which holds the package's own data"},
        {"main part is a relationships part", word_package("_rels/.rels"), "t.docx", false,
         "relationship 'rId1' leads to _rels/.rels, which holds the package's own data"},
        {"sheet in another namespace", workbook_with_sheet_ns(kOtherNs), "t.xlsx", true,
         "t.xlsx: xl/worksheets/sheet1.xml: line 1: the part holds a <worksheet> of another namespace where a "
         "SpreadsheetML <worksheet> belongs"},
        {"workbook that is something else", workbook_with_root("styleSheet"), "t.xlsx", true,
         "t.xlsx: xl/workbook.xml: line 1: the part holds <styleSheet> where a SpreadsheetML <workbook> belongs"},
        {"spreadsheet content in another namespace", spreadsheet_with_office_ns(kOtherNs), "t.ods", true,
         "t.ods: content.xml: line 2: the part holds a <document-content> of another namespace"},
        {"text content in another namespace", text_with_office_ns(kOtherNs), "t.odt", true,
         "t.odt: content.xml: line 2: the part holds a <document-content> of another namespace"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, c.file);
        if (c.refused) {
            qrv::test::expect_refused(doc, IM_ERR_BROKEN, c.message);
        } else {
            ASSERT_EQ(doc.result(), 0u) << doc.message();
            EXPECT_NE(doc.message().find(c.message), std::string::npos) << doc.message();
        }
    }
}

}  // namespace
