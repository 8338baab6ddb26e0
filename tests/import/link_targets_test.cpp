// A page made from a stranger's document is safe to open: whichever format
// a link comes from, only web, mail, file-transfer and relative targets
// become live links; scripts, data and other schemes stay as plain text,
// however the scheme is spelt.
#include <gtest/gtest.h>

#include <string>

#include "docx_builder.hpp"
#include "imported_document.hpp"
#include "ods_builder.hpp"
#include "odt_builder.hpp"
#include "workbook_builder.hpp"

#include <safe_links.hpp>

namespace {

using qrv::test::Imported;

// The page of a document whose only link, around the word "click", has the
// target target (XML attribute text, entities allowed).
using PageOf = std::string (*)(const std::string &target);

std::string docx_page(const std::string &target) {
    qrv::test::Docx docx;
    docx.links = {{"rL", target}};
    docx.body = "<w:p><w:hyperlink r:id=\"rL\"><w:r><w:t>click</w:t></w:r></w:hyperlink></w:p>";
    return Imported(docx).exported();
}

std::string odt_page(const std::string &target) {
    qrv::test::Odt odt;
    odt.body = qrv::test::odt_p("<text:a xlink:type=\"simple\" xlink:href=\"" + target + "\">click</text:a>");
    return Imported(odt).exported();
}

std::string xlsx_page(const std::string &target) {
    using qrv::test::kRelType;
    const std::string body =
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>click</t></is></c></row>"
        "</sheetData><hyperlinks><hyperlink ref=\"A1\" r:id=\"rL\"/></hyperlinks>";
    const std::string rels = "<Relationship Id=\"rL\" Type=\"" + kRelType + "hyperlink\" Target=\"" + target +
                             "\" TargetMode=\"External\"/>";
    return Imported(qrv::test::workbook_of(qrv::test::WorkbookSpec({qrv::test::SheetSpec("S", body, rels)})),
                    "test.xlsx")
        .exported();
}

std::string ods_page(const std::string &target) {
    using namespace qrv::test;
    const std::string cell = ods_cell("office:value-type=\"string\"",
                                      "<text:p><text:a xlink:href=\"" + target + "\">click</text:a></text:p>");
    return Imported(ods_of(OdsSpec(ods_table("S", ods_row(cell)))), "test.ods").exported();
}

struct Target {
    const char *xml;  // as the document spells it
    bool live;
};

const Target kTargets[] = {
    {"https://example.com/a", true},
    {"HTTP://EXAMPLE.COM/", true},
    {"mailto:ann@example.com", true},
    {"ftp://example.com/file", true},
    {"other/notes.html", true},
    {"../up.html?x=1", true},
    {"javascript:alert(1)", false},
    {"JavaScript:alert(1)", false},
    {"&#32;&#9;javascript:alert(1)", false},
    {"java&#9;script:alert(1)", false},
    {"java&#10;scr&#13;ipt:alert(1)", false},
    {"vbscript:msgbox(1)", false},
    {"VBScript:msgbox(1)", false},
    {"data:text/html;base64,PHNjcmlwdD5hbGVydCgxKTwvc2NyaXB0Pg==", false},
    {"DATA:text/html,x", false},
    {"file:///etc/passwd", false},
    {"//elsewhere.example/x", false},
};

size_t occurrences_of(const std::string &text, const std::string &piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

void expect_links(const char *format, PageOf page_of) {
    for (const Target &target : kTargets) {
        const std::string page = page_of(target.xml);
        EXPECT_NE(page.find("click"), std::string::npos) << format << " " << target.xml << "\n" << page;
        EXPECT_EQ(occurrences_of(page, "<a href="), target.live ? 1u : 0u) << format << " " << target.xml << "\n"
                                                                           << page;
        for (const char *scheme : {"script:", "data:", "file:"})
            EXPECT_EQ(page.find(scheme), std::string::npos) << format << " " << target.xml;
    }
}

TEST(LinkTargets, DocxLinksBecomeLiveOnlyForSafeSchemes) { expect_links("docx", docx_page); }
TEST(LinkTargets, OdtLinksBecomeLiveOnlyForSafeSchemes) { expect_links("odt", odt_page); }
TEST(LinkTargets, XlsxLinksBecomeLiveOnlyForSafeSchemes) { expect_links("xlsx", xlsx_page); }
TEST(LinkTargets, OdsLinksBecomeLiveOnlyForSafeSchemes) { expect_links("ods", ods_page); }

TEST(LinkTargets, TheCheckReadsTheSchemeAsABrowserDoes) {
    const struct {
        const char *target;
        bool safe;
    } cases[] = {
        {"#top", true},
        {"", false},
        {"\x01\x1f javascript:x", false},
        {"Ja\nva\tscript:x", false},
        {"mailto:x", true},
        {"https:", true},
        {"a/b:c", true},
        {"?q=a:b", true},
        {"x#a:b", true},
        {"c:\\windows", false},
        {"\\\\server\\share", false},
        {"https\x01:x", false},
    };
    for (const auto &c : cases) EXPECT_EQ(qrv::filters::is_safe_link_target(c.target), c.safe) << c.target;
}

}  // namespace
