// Running headers and footers: each reader keeps those of the document's
// pages beside the text, and the HTML and JSON show the every-page ones
// once (else the first page's), the plain text none.
#include <gtest/gtest.h>

#include <string>

#include "docx_builder.hpp"
#include "odt_builder.hpp"

namespace qrv::test {
namespace {

struct Shown {
    std::string html, json, text;
};

Shown shown_by(const Imported &doc) {
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return {doc.exported(), doc.exported(QRV_OUTPUT_JSON), doc.text()};
}

// A part of a header or footer, and the main part's relationship to it.
void add_running(Docx &docx, const std::string &id, const std::string &root, const std::string &content) {
    const std::string name = id + ".xml";
    docx.extra_parts.push_back({"word/" + name, "<?xml version=\"1.0\"?><w:" + root + kWordNamespaces + ">" +
                                                    content + "</w:" + root + ">"});
    docx.links.push_back({id, name, false, root == "hdr" ? "header" : "footer"});
}

std::string reference(const char *element, const char *type, const std::string &id) {
    return std::string("<w:") + element + " w:type=\"" + type + "\" r:id=\"" + id + "\"/>";
}

TEST(RunningTexts, DocxHeadersAndFootersOfTheLastSection) {
    const struct {
        const char *name;
        const char *type;  // of the header
        bool with_first;   // a first-page header beside it
        const char *header;
    } cases[] = {
        {"every page", "default", false, "<header class=\"running\">\n<p>ACME Ltd</p>\n<p>Confidential</p>\n</header>"},
        {"every page before the first page's", "default", true, "<p>ACME Ltd</p>"},
        {"the first page's where there is no other", "first", false, "<p>ACME Ltd</p>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        add_running(docx, "rIdH", "hdr", para("ACME Ltd") + para("Confidential"));
        add_running(docx, "rIdF", "ftr", "<w:tbl><w:tr><w:tc>" + para("left") + "</w:tc><w:tc>" + para("right") +
                                             "</w:tc></w:tr></w:tbl>");
        std::string sect = reference("headerReference", c.type, "rIdH") + reference("footerReference", "default", "rIdF");
        if (c.with_first) {
            add_running(docx, "rIdP", "hdr", para("Title page"));
            sect = reference("headerReference", "first", "rIdP") + sect;
        }
        docx.body = para("Body text.") + "<w:sectPr>" + sect + "</w:sectPr>";
        const Shown out = shown_by(Imported(docx));
        EXPECT_NE(out.html.find(c.header), std::string::npos) << out.html;
        EXPECT_EQ(out.html.find("Title page"), std::string::npos);
        EXPECT_NE(out.html.find("<footer class=\"running\">\n<p>left</p>\n<p>right</p>\n</footer>"), std::string::npos);
        EXPECT_LT(out.html.find("</header>"), out.html.find("Body text."));
        EXPECT_GT(out.html.find("<footer"), out.html.find("Body text."));
        EXPECT_NE(out.json.find("\"header\":\"ACME Ltd"), std::string::npos) << out.json;
        EXPECT_NE(out.json.find("\"footer\":\"left\\nright\""), std::string::npos) << out.json;
        EXPECT_EQ(out.text, "Body text.\n");
    }
}

// Page numbers are those of printed pages: a header or footer shows
// neither the number nor the count.
TEST(RunningTexts, PageNumbersAreLeftOut) {
    Docx docx;
    add_running(docx, "rIdF", "ftr",
                "<w:p><w:r><w:t xml:space=\"preserve\">Page </w:t></w:r><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>3"
                "</w:t></w:r></w:fldSimple><w:r><w:t xml:space=\"preserve\"> of </w:t></w:r><w:r><w:fldChar "
                "w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>NUMPAGES</w:instrText></w:r><w:r><w:fldChar "
                "w:fldCharType=\"separate\"/></w:r><w:r><w:t>9</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/>"
                "</w:r><w:r><w:t xml:space=\"preserve\"> ACME</w:t></w:r></w:p>");
    docx.body = para("Body.") + "<w:sectPr>" + reference("footerReference", "default", "rIdF") + "</w:sectPr>";
    EXPECT_NE(shown_by(Imported(docx)).html.find("<p>Page  of  ACME</p>"), std::string::npos);

    Odt odt;
    odt.body = odt_p("Body.");
    odt.master_styles = "<style:master-page style:name=\"Standard\"><style:footer>" +
                        odt_p("Page <text:page-number text:select-page=\"current\">3</text:page-number> of "
                              "<text:page-count>9</text:page-count>") +
                        "</style:footer></style:master-page>";
    const std::string odt_html = shown_by(Imported(odt)).html;
    EXPECT_NE(odt_html.find("<p>Page of </p>"), std::string::npos) << odt_html;
}

TEST(RunningTexts, OdtMasterPageHeadersAndFooters) {
    Odt odt;
    odt.body = odt_p("Body text.");
    odt.master_styles = "<style:master-page style:name=\"Standard\"><style:header>" + odt_p("ACME Ltd") +
                        "</style:header><style:header-first>" + odt_p("Cover") + "</style:header-first><style:footer>" +
                        odt_p("Confidential") +
                        "</style:footer></style:master-page><style:master-page style:name=\"Other\"><style:header>" +
                        odt_p("Other pages") + "</style:header></style:master-page>";
    for (bool flat : {false, true}) {
        SCOPED_TRACE(flat ? "flat" : "package");
        const Shown out = shown_by(flat ? Imported(odt.flat(), "test.fodt") : Imported(odt));
        EXPECT_NE(out.html.find("<header class=\"running\">\n<p>ACME Ltd</p>\n</header>"), std::string::npos) << out.html;
        EXPECT_NE(out.html.find("<footer class=\"running\">\n<p>Confidential</p>\n</footer>"), std::string::npos);
        EXPECT_EQ(out.html.find("Other pages"), std::string::npos);
        EXPECT_EQ(out.text, "Body text.\n");
    }
}

TEST(RunningTexts, DocxReferencesThatLeadNowhere) {
    Docx docx;
    docx.links.push_back({"rIdH", "header9.xml", false, "header"});
    docx.body = para("Body.") + "<w:sectPr>" + reference("headerReference", "default", "rIdH") +
                reference("footerReference", "default", "rIdNone") + "</w:sectPr>";
    Imported doc(docx);
    const Shown out = shown_by(doc);
    EXPECT_EQ(out.html.find("class=\"running\""), std::string::npos);
    EXPECT_NE(doc.message().find("'rIdNone', which names no part"), std::string::npos) << doc.message();
    EXPECT_EQ(out.text, "Body.\n");
}

TEST(RunningTexts, RtfHeadersAndFooters) {
    const struct {
        const char *name;
        std::string rtf;
        const char *html;  // nullptr: no running text
    } cases[] = {
        {"header and footer", "{\\rtf1{\\header\\pard ACME\\par}{\\footer\\pard Page 1\\par}Body\\par}",
         "<header class=\"running\">\n<p>ACME</p>\n</header>"},
        {"right pages before left ones", "{\\rtf1{\\headerl\\pard even\\par}{\\headerr\\pard odd\\par}Body\\par}",
         "<header class=\"running\">\n<p>odd</p>\n</header>"},
        {"the first page's alone", "{\\rtf1{\\headerf\\pard cover\\par}Body\\par}", "<p>cover</p>"},
        {"an empty header", "{\\rtf1{\\header\\pard\\par}Body\\par}", nullptr},
        {"a header inside a footnote is read past", "{\\rtf1 Body{\\footnote\\pard n{\\header x}\\par}\\par}", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Shown out = shown_by(Imported(c.rtf, "test.rtf"));
        if (c.html)
            EXPECT_NE(out.html.find(c.html), std::string::npos) << out.html;
        else
            EXPECT_EQ(out.html.find("class=\"running\""), std::string::npos) << out.html;
        EXPECT_EQ(out.text.find("ACME"), std::string::npos);
    }
}

}  // namespace
}  // namespace qrv::test
