// Span and paragraph formatting of OpenDocument texts as the change walk
// gathers it: each case states a few properties in an automatic style and
// the fields of the text or paragraph record that a filter then holds.
#include <qrvmodel/conventions.hpp>

#include <functional>

#include "odt_builder.hpp"

namespace qrv::test {
namespace {

using model::kDefaultFontBit;

// The page's defaults: Liberation Serif at 12 points.
const std::string kOdtDefaults =
    "<style:default-style style:family=\"paragraph\"><style:text-properties style:font-name=\"Liberation Serif\" "
    "fo:font-size=\"12pt\"/></style:default-style>"
    "<style:style style:name=\"Standard\" style:family=\"paragraph\"/>";
const std::string kSerifAndGeorgiaFaces =
    "<style:font-face style:name=\"Liberation Serif\" svg:font-family=\"'Liberation Serif'\"/>"
    "<style:font-face style:name=\"Georgia1\" svg:font-family=\"Georgia\"/>";

TEST(OdtSpans, EachPropertyReachesItsFieldOfTheTextRecord) {
    struct Case {
        const char *properties;
        std::function<bool(const CUTextChangeInfo &)> holds;
    } cases[] = {
        {"fo:font-weight=\"bold\"", [](const auto &t) { return t.Attr2 == 1 && t.Attr3 == 0; }},
        {"fo:font-weight=\"700\"", [](const auto &t) { return t.Attr2 == 1; }},
        {"fo:font-weight=\"normal\"", [](const auto &t) { return t.Attr2 == 0; }},
        {"fo:font-style=\"italic\"", [](const auto &t) { return t.Attr3 == 1; }},
        {"fo:font-style=\"oblique\"", [](const auto &t) { return t.Attr3 == 1; }},
        {"style:text-underline-style=\"solid\" style:text-underline-width=\"auto\"",
         [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 1; }},
        {"style:text-underline-style=\"solid\" style:text-underline-type=\"double\"",
         [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 3; }},
        {"style:text-underline-style=\"solid\" style:text-underline-width=\"bold\"",
         [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 4; }},
        {"style:text-underline-style=\"dotted\"", [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 5; }},
        {"style:text-underline-style=\"long-dash\"", [](const auto &t) { return t.Item63Value == 6; }},
        {"style:text-underline-style=\"dot-dot-dash\"", [](const auto &t) { return t.Item63Value == 7; }},
        {"style:text-underline-style=\"wave\"", [](const auto &t) { return t.Item63Value == 8; }},
        {"style:text-underline-style=\"solid\" style:text-underline-mode=\"skip-white-space\"",
         [](const auto &t) { return t.Item63Value == 2; }},
        {"style:text-underline-style=\"none\"", [](const auto &t) { return t.Attr4 == 0; }},
        {"style:text-line-through-style=\"solid\"", [](const auto &t) { return t.Attr5 == 1 && t.Attr10 == 0; }},
        {"style:text-line-through-style=\"solid\" style:text-line-through-type=\"double\"",
         [](const auto &t) { return t.Attr10 == 1 && t.Attr5 == 0; }},
        {"fo:font-variant=\"small-caps\"", [](const auto &t) { return t.Attr6 == 1; }},
        {"fo:text-transform=\"uppercase\"", [](const auto &t) { return t.Attr11 == 1; }},
        {"style:text-position=\"super 58%\"", [](const auto &t) { return t.Attr7 == 1 && t.Attr8 == 0; }},
        {"style:text-position=\"sub 58%\"", [](const auto &t) { return t.Attr8 == 1 && t.Attr7 == 0; }},
        {"style:text-position=\"33% 58%\"", [](const auto &t) { return t.Attr7 == 1; }},
        {"style:text-position=\"-33% 58%\"", [](const auto &t) { return t.Attr8 == 1; }},
        {"style:text-position=\"0% 100%\"", [](const auto &t) { return t.Attr7 == 0 && t.Attr8 == 0; }},
        {"text:display=\"none\"", [](const auto &t) { return t.Attr9 == 1; }},
        {"fo:font-size=\"14pt\"", [](const auto &t) { return t.FontSize == 28; }},
        {"fo:font-size=\"0.5in\"", [](const auto &t) { return t.FontSize == 72; }},
        // Percent of the paragraph's size; the page's size is no change.
        {"fo:font-size=\"150%\"", [](const auto &t) { return t.FontSize == 36; }},
        {"fo:font-size=\"12pt\"", [](const auto &t) { return t.FontSize == 0; }},
        {"fo:color=\"#c00000\"", [](const auto &t) { return t.Item25Value == 0xC00000; }},
        {"style:use-window-font-color=\"true\"", [](const auto &t) { return t.Item25Value == 0; }},
        {"fo:background-color=\"#ffff00\"", [](const auto &t) { return t.Item60Data1 == 0xFFFF00; }},
        {"fo:background-color=\"transparent\"", [](const auto &t) { return t.Item60Data1 == 0; }},
        {"style:font-name=\"Georgia1\"",
         [](const auto &t) { return font_name(t) == "Georgia" && !(t.FontInfo[0] & kDefaultFontBit); }},
        {"fo:font-family=\"'Courier New', monospace\"", [](const auto &t) { return font_name(t) == "Courier New"; }},
        // The page's own font is no change.
        {"style:font-name=\"Liberation Serif\"", [](const auto &t) { return font_name(t).empty(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.properties);
        Odt odt;
        odt.styles = kOdtDefaults;
        odt.font_faces = kSerifAndGeorgiaFaces;
        odt.automatic = odt_style("T1", "text", std::string("<style:text-properties ") + c.properties + "/>");
        odt.body = odt_p("<text:span text:style-name=\"T1\">marked</text:span>", "Standard");
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"marked").text));
    }
}

// What formats a span's text: the paragraph's styles, the spans around it
// and their character styles, innermost last.
TEST(OdtSpans, LayersOfFormatting) {
    const std::string styles =
        kOdtDefaults +
        odt_style("Strong_20_Emphasis", "text", "<style:text-properties fo:font-weight=\"bold\"/>",
                  " style:display-name=\"Strong Emphasis\"") +
        odt_style("Loud", "paragraph", "<style:text-properties fo:color=\"#ff0000\" fo:font-size=\"20pt\"/>",
                  " style:parent-style-name=\"Standard\"");
    const std::string automatic = odt_style("P1", "paragraph", "<style:text-properties fo:font-style=\"italic\"/>",
                                            " style:parent-style-name=\"Loud\"") +
                                  odt_style("T1", "text", "<style:text-properties fo:color=\"#0000ff\"/>") +
                                  odt_style("T2", "text", "<style:text-properties fo:font-weight=\"normal\"/>",
                                            " style:parent-style-name=\"Strong_20_Emphasis\"");
    struct Case {
        const char *name;
        std::string paragraph;
        std::function<bool(const CUTextChangeInfo &)> holds;
    } cases[] = {
        {"a common paragraph style", odt_p("marked", "Loud"),
         [](const auto &t) { return t.Item25Value == 0xFF0000 && t.FontSize == 40 && t.Attr3 == 0; }},
        {"an automatic paragraph style over its common style", odt_p("marked", "P1"),
         [](const auto &t) { return t.Item25Value == 0xFF0000 && t.Attr3 == 1; }},
        {"a span over the paragraph", odt_p("<text:span text:style-name=\"T1\">marked</text:span>", "P1"),
         [](const auto &t) { return t.Item25Value == 0x0000FF && t.Attr3 == 1 && t.FontSize == 40; }},
        {"a character style", odt_p("<text:span text:style-name=\"Strong_20_Emphasis\">marked</text:span>", "Loud"),
         [](const auto &t) { return t.Attr2 == 1 && t.Item25Value == 0xFF0000; }},
        {"an automatic text style over its character style",
         odt_p("<text:span text:style-name=\"T2\">marked</text:span>"), [](const auto &t) { return t.Attr2 == 0; }},
        {"spans nest",
         odt_p("<text:span text:style-name=\"Strong_20_Emphasis\"><text:span text:style-name=\"T1\">marked"
               "</text:span></text:span>"),
         [](const auto &t) { return t.Attr2 == 1 && t.Item25Value == 0x0000FF; }},
        {"the text after a span goes back",
         odt_p("<text:span text:style-name=\"Strong_20_Emphasis\">loud</text:span> marked", "P1"),
         [](const auto &t) { return t.Attr2 == 0 && t.Attr3 == 1; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.styles = styles;
        odt.automatic = automatic;
        odt.body = c.paragraph;
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"marked").text));
    }
}

TEST(OdtParagraphs, EachPropertyReachesItsFieldOfTheParagraphRecord) {
    struct Case {
        const char *properties;
        std::function<bool(const CUParaChangeInfo &)> holds;
    } cases[] = {
        {"fo:text-align=\"center\"", [](const auto &p) { return p.Item12Value == 1; }},
        {"fo:text-align=\"end\"", [](const auto &p) { return p.Item12Value == 2; }},
        {"fo:text-align=\"justify\"", [](const auto &p) { return p.Item12Value == 3; }},
        {"fo:margin-left=\"0.5in\" fo:margin-right=\"0.25in\" fo:text-indent=\"1cm\"",
         [](const auto &p) { return p.Indent0 == 720 && p.Indent1 == 360 && p.Indent2 == 567; }},
        {"fo:margin-left=\"1in\" fo:text-indent=\"-0.25in\"",
         [](const auto &p) { return p.Indent0 == 1440 && static_cast<int16_t>(p.Indent2) == -360; }},
        {"fo:margin-left=\"10%\"", [](const auto &p) { return p.Indent0 == 0; }},
        {"fo:margin-top=\"12pt\" fo:margin-bottom=\"6pt\"",
         [](const auto &p) { return p.Item98Data1 == 240 && p.Item99Data1 == 120; }},
        {"fo:margin=\"3pt\"", [](const auto &p) { return p.Item98Data1 == 60 && p.Indent0 == 60; }},
        {"fo:line-height=\"150%\"", [](const auto &p) { return p.Item14Value == 0 && p.Item14Data1 == 360; }},
        {"fo:line-height=\"15pt\"", [](const auto &p) { return p.Item14Value == 3 && p.Item14Data1 == 300; }},
        {"style:line-height-at-least=\"14pt\"",
         [](const auto &p) { return p.Item14Value == 2 && p.Item14Data1 == 280; }},
        {"fo:keep-with-next=\"always\"", [](const auto &p) { return p.Item56Value == 1; }},
        {"fo:keep-together=\"always\"", [](const auto &p) { return p.Item57Value == 1; }},
        {"fo:break-before=\"page\"", [](const auto &p) { return p.Item103Value == 1; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.properties);
        Odt odt;
        odt.automatic = odt_style("P1", "paragraph", std::string("<style:paragraph-properties ") + c.properties + "/>");
        odt.body = odt_p("said", "P1");
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"said").para));
    }
}

// Tab stops of a paragraph style and of the automatic style over it.
TEST(OdtParagraphs, TabStops) {
    Odt odt;
    odt.styles = odt_style("Tabbed", "paragraph",
                           "<style:paragraph-properties><style:tab-stops><style:tab-stop style:position=\"1in\"/>"
                           "<style:tab-stop style:position=\"3in\" style:type=\"center\"/></style:tab-stops>"
                           "</style:paragraph-properties>");
    odt.automatic = odt_style("P1", "paragraph",
                              "<style:paragraph-properties><style:tab-stops><style:tab-stop style:position=\"5in\" "
                              "style:type=\"right\" style:leader-style=\"dotted\" style:leader-text=\".\"/>"
                              "<style:tab-stop style:position=\"4in\" style:type=\"char\" style:char=\",\"/>"
                              "</style:tab-stops></style:paragraph-properties>",
                              " style:parent-style-name=\"Tabbed\"");
    odt.body = odt_p("mine<text:tab/>x", "P1");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto p = doc.records_at(u"mine").para;
    ASSERT_EQ(p.TabCount, 4);
    EXPECT_EQ(p.TabStops[0].Position, 1440u);
    EXPECT_EQ(p.TabStops[1].Kind, model::kTabCentre);
    EXPECT_EQ(p.TabStops[2].Kind, model::kTabDecimal);
    EXPECT_EQ(p.TabStops[3].Position, 7200u);
    EXPECT_EQ(p.TabStops[3].Kind, model::kTabRight);
    EXPECT_EQ(p.TabStops[3].Data1Low, '.');
}

}  // namespace
}  // namespace qrv::test
