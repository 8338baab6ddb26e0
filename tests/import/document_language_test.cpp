// The page's language: the document's own language property, else the
// default language of its text, else English; a value that is no language
// tag never reaches the page.
#include "docx_builder.hpp"
#include "odt_builder.hpp"

namespace qrv::test {
namespace {

std::string lang_of(const std::string &page) {
    const std::string open = "<html lang=\"";
    const size_t at = page.find(open) + open.size();
    return page.substr(at, page.find('"', at) - at);
}

std::string defaults(const std::string &lang) {
    return "<w:docDefaults><w:rPrDefault><w:rPr><w:lang w:val=\"" + lang +
           "\" w:eastAsia=\"ja-JP\"/></w:rPr></w:rPrDefault></w:docDefaults>";
}

TEST(DocumentLanguage, ThePageTakesTheDocumentsLanguage) {
    const struct {
        const char *name;
        std::string styles, core;
        const char *lang;
    } cases[] = {
        {"none given", "", "", "en"},
        {"the default run language", defaults("de-DE"), "", "de-DE"},
        {"the property over the default", defaults("de-DE"), "<dc:language>fr_CA</dc:language>", "fr-CA"},
        {"no tag", defaults("en US&quot;&gt;"), "", "en"},
        {"a style's language is no document's", "<w:style w:type=\"paragraph\" w:styleId=\"N\"><w:rPr><w:lang "
                                                "w:val=\"nl-NL\"/></w:rPr></w:style>", "", "en"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.styles = c.styles;
        docx.core = c.core;
        docx.body = "<w:p><w:r><w:t>Hallo</w:t></w:r></w:p>";
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(lang_of(doc.exported()), c.lang);
    }
}

TEST(DocumentLanguage, OpenDocumentTextGivesItsMetaLanguage) {
    Odt odt;
    odt.meta = "<dc:language>pt-BR</dc:language>";
    odt.body = "<text:p>Olá</text:p>";
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(lang_of(doc.exported()), "pt-BR");
}

// A style based on one the file leaves out is a quirk of its producer: a
// note after the warnings, not a warning.
TEST(ProducerQuirks, AreNotesAfterTheWarnings) {
    Docx docx;
    docx.styles = "<w:style w:type=\"table\" w:styleId=\"Table\"><w:basedOn w:val=\"TableNormal\"/></w:style>";
    docx.body = "<w:p><w:r><w:t>x</w:t></w:r></w:p>";
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.message().rfind("note: ", 0), 0u) << doc.message();
    EXPECT_NE(doc.message().find("'TableNormal', which is not defined"), std::string::npos) << doc.message();
}

}  // namespace
}  // namespace qrv::test
