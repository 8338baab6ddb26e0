// Styles of OpenDocument texts as the library loads them: common styles as
// style definitions with their parents, automatic styles as the direct
// formatting of what names them, headings by outline level, the document
// defaults as the page's text.
#include <qrvex/properties.h>

#include "odt_builder.hpp"

namespace qrv::test {
namespace {

const std::string kOdtHeadingStyles =
    "<style:default-style style:family=\"paragraph\"><style:text-properties fo:font-size=\"12pt\"/>"
    "</style:default-style>" +
    odt_style("Standard", "paragraph", "", " style:class=\"text\"") +
    odt_style("Heading", "paragraph",
              "<style:paragraph-properties fo:keep-with-next=\"always\"/>"
              "<style:text-properties fo:font-size=\"14pt\" fo:font-weight=\"bold\"/>",
              " style:parent-style-name=\"Standard\"") +
    odt_style(
        "Heading_20_1", "paragraph", "<style:text-properties fo:font-size=\"130%\"/>",
        " style:display-name=\"Heading 1\" style:parent-style-name=\"Heading\" style:default-outline-level=\"1\"") +
    odt_style(
        "Heading_20_2", "paragraph", "<style:text-properties fo:font-style=\"italic\"/>",
        " style:display-name=\"Heading 2\" style:parent-style-name=\"Heading\" style:default-outline-level=\"2\"") +
    odt_style("Title", "paragraph", "<style:paragraph-properties fo:text-align=\"center\"/>",
              " style:parent-style-name=\"Heading\"") +
    odt_style("Quotations", "paragraph", "", " style:parent-style-name=\"Standard\"");

TEST(OdtStyles, HeadingsAndTitlesAreRecognisedByTheLibrary) {
    Odt odt;
    odt.styles = kOdtHeadingStyles;
    odt.automatic = odt_style("P1", "paragraph", "<style:text-properties fo:color=\"#00ff00\"/>",
                              " style:parent-style-name=\"Heading_20_2\"");
    odt.body = odt_p("Report", "Title") + odt_h("Intro", 1, "Heading_20_1") + odt_h("Detail", 2, "P1") +
               odt_p("Said", "Quotations") + odt_h("Plain", 3) + odt_p("Outlined", "Heading_20_1");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    struct Case {
        std::u16string words;
        std::u16string style;
        uint32_t title;
        int32_t outline;  // CUStyleGetOutlineLevel: level + 1
        int32_t level;    // the paragraph's outline level + 1, 0 for none
    } cases[] = {
        {u"Report", u"Title", 1, 0, 0},
        {u"Intro", u"Heading 1", 0, 1, 1},
        // An automatic style is the paragraph's own formatting over its parent.
        {u"Detail", u"Heading 2", 0, 2, 2},
        {u"Said", u"Quotations", 0, 0, 0},
        // A heading without a style: the default paragraph style, at its level.
        {u"Plain", u"Standard", 0, 0, 3},
        // A paragraph of a heading style is a heading too.
        {u"Outlined", u"Heading 1", 0, 1, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.words.begin(), c.words.end()));
        const auto para = doc.records_at(c.words).para;
        CUStyleSlot *slot = nullptr;
        uint32_t index = 0;
        ASSERT_EQ(CULoadStyle(doc.sheet(), para.StyleId, CH_NO_ITEM, &slot, &index), 0u);
        const CUStyleEntry &entry = doc.sheet()->StyleTable[index];
        EXPECT_EQ(style_name_of(doc, entry), c.style);
        EXPECT_EQ(CUStyleCheckTitleStyle(doc.sheet(), index), c.title);
        EXPECT_EQ(CUStyleGetOutlineLevel(doc.sheet(), index), c.outline);
        const bool own_level = para.ChangeFlags & CU_PARA_CHANGED_ITEM_137;
        EXPECT_EQ(own_level ? static_cast<int32_t>(para.Item137Value) + 1 : 0, c.level);
    }
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<title>Report</title>"), std::string::npos) << html;
    EXPECT_NE(html.find(">Intro</span></h1>"), std::string::npos) << html;
    EXPECT_NE(html.find("class=\"Heading-2\"><span "
                        "style=\"font-weight:bold;font-style:italic;color:#00ff00;font-size:14pt\">Detail</span>"),
              std::string::npos)
        << html;
}

// A style's formatting along its chain: its own over its parents', sizes in
// percent of the parent's.
TEST(OdtStyles, FormattingAlongTheChain) {
    Odt odt;
    odt.styles = kOdtHeadingStyles;
    odt.body = odt_h("Intro", 1, "Heading_20_1") + odt_p("Body", "Standard");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto intro = doc.records_at(u"Intro");
    EXPECT_EQ(intro.text.Attr2, 1);
    EXPECT_EQ(intro.text.FontSize, 36);  // 130% of 14 points, in half-points
    EXPECT_EQ(intro.para.Item56Value, 1);
    const auto body = doc.records_at(u"Body");
    EXPECT_EQ(body.text.Attr2, 0);
    EXPECT_EQ(body.text.FontSize, 0);  // the page's size
}

// Style names: the display name, else the name with its escapes put back;
// paragraph and text styles of one name are two styles.
TEST(OdtStyles, NamesAndFamilies) {
    Odt odt;
    odt.styles = odt_style("Text_20_body", "paragraph", "<style:text-properties fo:color=\"#111111\"/>") +
                 odt_style("Source_5f_Text", "paragraph", "") +
                 odt_style("Text_20_body", "text", "<style:text-properties fo:font-weight=\"bold\"/>");
    odt.body = odt_p("one <text:span text:style-name=\"Text_20_body\">two</text:span>", "Text_20_body") +
               odt_p("three", "Source_5f_Text");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<p class=\"Text-body\">"), std::string::npos) << html;
    EXPECT_NE(html.find("<p class=\"Source_Text\">"), std::string::npos) << html;
    EXPECT_EQ(doc.records_at(u"two").text.Attr2, 1);
    EXPECT_EQ(doc.records_at(u"one").text.Attr2, 0);
}

// Chains that do not end are cut with a warning, and the document still
// reads.
TEST(OdtStyles, BrokenChainsAreCut) {
    struct Case {
        const char *name;
        std::string styles;
        const char *warning;
    } cases[] = {
        {"based on itself", odt_style("A", "paragraph", "", " style:parent-style-name=\"A\""),
         "style 'A' is based on 'A'"},
        {"a cycle",
         odt_style("A", "paragraph", "", " style:parent-style-name=\"B\"") +
             odt_style("B", "paragraph", "", " style:parent-style-name=\"A\""),
         "which is based on it in turn"},
        {"a missing parent", odt_style("A", "paragraph", "", " style:parent-style-name=\"Gone\""),
         "'Gone', which is not defined"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.styles = c.styles;
        odt.body = odt_p("text", "A");
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        EXPECT_EQ(doc.text(), "text\n");
    }
}

// The default style's text is the page's: paragraphs of the default
// paragraph style write no font or size.
TEST(OdtStyles, DefaultsAreThePage) {
    Odt odt;
    odt.font_faces = "<style:font-face style:name=\"DejaVu\" svg:font-family=\"'DejaVu Sans'\"/>";
    odt.styles =
        "<style:default-style style:family=\"paragraph\"><style:text-properties style:font-name=\"DejaVu\" "
        "fo:font-size=\"11pt\"/></style:default-style>" +
        odt_style("Standard", "paragraph", "") +
        odt_style("Big", "paragraph", "<style:text-properties fo:font-size=\"22pt\"/>",
                  " style:parent-style-name=\"Standard\"");
    odt.body = odt_p("page", "Standard") + odt_p("no style") + odt_p("big", "Big");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.records_at(u"page").text.FontSize, 0);
    EXPECT_EQ(doc.records_at(u"no style").text.FontSize, 0);
    EXPECT_EQ(doc.records_at(u"big").text.FontSize, 44);
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<p class=\"Standard\">page</p>"), std::string::npos) << html;
    EXPECT_EQ(doc.records_at(u"page").text.FontName[0][0], 0);
}

}  // namespace
}  // namespace qrv::test
