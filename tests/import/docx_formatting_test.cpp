// Run and paragraph formatting of Word documents as the change walk
// gathers it: each case states a few properties in the document and the
// fields of the text or paragraph record that a filter then holds.
#include <qrvmodel/conventions.hpp>

#include <functional>

#include "docx_builder.hpp"

namespace qrv::test {
namespace {

using model::kDefaultFontBit;

std::string formatted_run(const std::string &rpr, const std::string &text) {
    return "<w:r><w:rPr>" + rpr + "</w:rPr><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

const std::string kDocxDefaults =
    "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme=\"minorHAnsi\"/><w:sz w:val=\"22\"/></w:rPr>"
    "</w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after=\"160\"/></w:pPr></w:pPrDefault></w:docDefaults>";
const std::string kCalibriTheme =
    "<?xml version=\"1.0\"?><a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
    "<a:themeElements><a:fontScheme name=\"x\"><a:majorFont><a:latin typeface=\"Calibri Light\"/></a:majorFont>"
    "<a:minorFont><a:latin typeface=\"Calibri\"/></a:minorFont></a:fontScheme></a:themeElements></a:theme>";

TEST(DocxRuns, EachPropertyReachesItsFieldOfTheTextRecord) {
    struct Case {
        const char *rpr;
        std::function<bool(const CUTextChangeInfo &)> holds;
    } cases[] = {
        {"<w:b/>", [](const auto &t) { return t.Attr2 == 1 && t.Attr3 == 0; }},
        {"<w:b w:val=\"0\"/>", [](const auto &t) { return t.Attr2 == 0; }},
        {"<w:i/>", [](const auto &t) { return t.Attr3 == 1; }},
        {"<w:u w:val=\"single\"/>", [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 1; }},
        {"<w:u w:val=\"double\"/>", [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 3; }},
        {"<w:u w:val=\"wavyHeavy\"/>", [](const auto &t) { return t.Attr4 == 1 && t.Item63Value == 8; }},
        {"<w:u w:val=\"none\"/>", [](const auto &t) { return t.Attr4 == 0; }},
        {"<w:strike/>", [](const auto &t) { return t.Attr5 == 1; }},
        {"<w:dstrike/>", [](const auto &t) { return t.Attr10 == 1 && t.Attr5 == 0; }},
        {"<w:smallCaps/>", [](const auto &t) { return t.Attr6 == 1; }},
        {"<w:caps/>", [](const auto &t) { return t.Attr11 == 1; }},
        {"<w:vertAlign w:val=\"superscript\"/>", [](const auto &t) { return t.Attr7 == 1 && t.Attr8 == 0; }},
        {"<w:vertAlign w:val=\"subscript\"/>", [](const auto &t) { return t.Attr8 == 1 && t.Attr7 == 0; }},
        {"<w:vanish/>", [](const auto &t) { return t.Attr9 == 1; }},
        {"<w:sz w:val=\"28\"/>", [](const auto &t) { return t.FontSize == 28; }},
        // The document's default size is the page's: nothing to change.
        {"<w:sz w:val=\"22\"/>", [](const auto &t) { return t.FontSize == 0; }},
        {"<w:color w:val=\"C00000\"/>", [](const auto &t) { return t.Item25Value == 0xC00000; }},
        {"<w:color w:val=\"auto\"/>", [](const auto &t) { return t.Item25Value == 0; }},
        {"<w:highlight w:val=\"yellow\"/>", [](const auto &t) { return t.Item60Data1 == 0xFFFF00; }},
        {"<w:shd w:val=\"clear\" w:fill=\"D9E2F3\"/>", [](const auto &t) { return t.Item60Data1 == 0xD9E2F3; }},
        {"<w:rFonts w:ascii=\"Georgia\" w:hAnsi=\"Georgia\"/>",
         [](const auto &t) { return font_name(t) == "Georgia" && !(t.FontInfo[0] & kDefaultFontBit); }},
        // Theme fonts are the theme's typefaces.
        {"<w:rFonts w:asciiTheme=\"majorHAnsi\"/>", [](const auto &t) { return font_name(t) == "Calibri Light"; }},
        {"<w:rFonts w:asciiTheme=\"minorHAnsi\"/>", [](const auto &t) { return font_name(t).empty(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rpr);
        Docx docx;
        docx.styles = kDocxDefaults;
        docx.theme = kCalibriTheme;
        docx.body = "<w:p>" + formatted_run(c.rpr, "marked") + "</w:p>";
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"marked").text));
    }
}

// A run after a formatted one goes back: the items switch off what the
// next run does not show.
TEST(DocxRuns, FormattingEndsWithItsRun) {
    Docx docx;
    docx.body = "<w:p>" + formatted_run("<w:b/><w:i/><w:sz w:val=\"40\"/><w:color w:val=\"FF0000\"/>", "loud") +
                formatted_run("<w:i/>", "soft") + "<w:r><w:t>plain</w:t></w:r></w:p>";
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto soft = doc.records_at(u"soft").text;
    EXPECT_EQ(soft.Attr2, 0);
    EXPECT_EQ(soft.Attr3, 1);
    EXPECT_EQ(soft.FontSize, 0);
    EXPECT_EQ(soft.Item25Value, 0u);
    EXPECT_EQ(doc.records_at(u"plain").text.Attr3, 0);
}

// Character styles apply through the library's style loading: the run's
// text record names the style, and a run after it goes back to the
// paragraph style's attributes.
TEST(DocxRuns, CharacterStylesAndTheirChains) {
    Docx docx;
    docx.styles =
        style("Strong", "Strong", "<w:rPr><w:b/></w:rPr>", "character") +
        style("Alarm", "Alarm", "<w:basedOn w:val=\"Strong\"/><w:rPr><w:color w:val=\"FF0000\"/></w:rPr>", "character");
    docx.body = "<w:p>" + formatted_run("<w:rStyle w:val=\"Alarm\"/>", "alarm") + "<w:r><w:t>after</w:t></w:r></w:p>";
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto alarm = doc.records_at(u"alarm").text;
    EXPECT_EQ(alarm.Attr2, 1);  // bold from the style Alarm is based on
    EXPECT_EQ(alarm.Item25Value, 0xFF0000u);
    EXPECT_EQ(alarm.ChangeFlags & CU_TEXT_CHANGED_STYLE, CU_TEXT_CHANGED_STYLE);
    const auto after = doc.records_at(u"after").text;
    EXPECT_EQ(after.Attr2, 0);
    EXPECT_EQ(after.Item25Value, 0u);
}

// Choices where Word's formatting has no exact counterpart.
TEST(DocxRuns, ChoicesWithoutAnExactCounterpart) {
    struct Case {
        const char *name;
        Docx docx;
        std::function<bool(const CUTextChangeInfo &)> holds;
    } cases[] = {
        // A bold character style over a bold paragraph style stays bold.
        {"toggles",
         {.body = "<w:p><w:pPr><w:pStyle w:val=\"B\"/></w:pPr>" + formatted_run("<w:rStyle w:val=\"S\"/>", "marked") +
                  "</w:p>",
          .styles = style("B", "B", "<w:rPr><w:b/></w:rPr>") + style("S", "S", "<w:rPr><w:b/></w:rPr>", "character")},
         [](const auto &t) { return t.Attr2 == 1; }},
        // Table styles do not format the text of their cells.
        {"table styles",
         {.body = "<w:tbl><w:tblPr><w:tblStyle w:val=\"T\"/></w:tblPr><w:tr><w:tc>" + para("marked") +
                  "</w:tc></w:tr></w:tbl>",
          .styles = style("T", "T", "<w:rPr><w:b/></w:rPr>", "table")},
         [](const auto &t) { return t.Attr2 == 0; }},
        // Only the Latin font is carried.
        {"east Asian fonts",
         {.body = "<w:p>" + formatted_run("<w:rFonts w:eastAsia=\"SimSun\"/>", "marked") + "</w:p>"},
         [](const auto &t) { return t.FontName[0][0] == 0; }},
        {"a black highlight",
         {.body = "<w:p>" + formatted_run("<w:highlight w:val=\"black\"/>", "marked") + "</w:p>"},
         [](const auto &t) { return t.Item60Data1 == 0x010101u; }},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"marked").text));
    }
}

TEST(DocxText, SpecialCharactersAndBreaks) {
    struct Case {
        const char *run_content;
        std::u16string text;
    } cases[] = {
        {"<w:t>a</w:t><w:tab/><w:t>b</w:t>", u"a\tb"},
        {"<w:t>co</w:t><w:softHyphen/><w:t>op</w:t>", u"co\u00ADop"},
        {"<w:t>well</w:t><w:noBreakHyphen/><w:t>known</w:t>", u"well\u2011known"},
        {"<w:sym w:font=\"Symbol\" w:char=\"F061\"/>", u"\u03B1"},
        {"<w:sym w:font=\"Wingdings\" w:char=\"F0FC\"/>", u"\u2714"},
        {"<w:sym w:font=\"Arial\" w:char=\"263A\"/>", u"\u263A"},
        // Without xml:space="preserve" the white space at the ends goes.
        {"<w:t>  kept  </w:t>", u"kept"},
        {"<w:t xml:space=\"preserve\">  kept  </w:t>", u"  kept  "},
        {"<w:t>x</w:t><w:delText>gone</w:delText>", u"x"},
        {"<w:t>y</w:t><w:instrText> PAGE </w:instrText>", u"y"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.run_content);
        Docx docx;
        docx.body = std::string("<w:p><w:r>") + c.run_content + "</w:r></w:p>";
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        std::u16string text;
        for (const auto &[id, item] : doc.items())
            if (item.type == CH_ITEM_TEXT) text += doc.text_of(item);
        EXPECT_EQ(text, c.text);
    }
}

TEST(DocxText, BreaksBecomeBreakItems) {
    Docx docx;
    docx.body =
        "<w:p><w:r><w:br w:type=\"page\"/><w:t>top</w:t><w:br/><w:t>next</w:t><w:cr/>"
        "<w:br w:type=\"page\"/><w:t>end</w:t></w:r></w:p>";
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    std::vector<uint32_t> breaks;
    for (const auto &[id, item] : doc.items())
        if (item.type == CH_ITEM_BREAK) breaks.push_back(item.value);
    // A page break before the text breaks the page; inside it, it is a line break.
    EXPECT_EQ(breaks,
              (std::vector<uint32_t>{CH_BREAK_PAGE, CH_BREAK_LINE, CH_BREAK_LINE, CH_BREAK_LINE, CH_BREAK_PARAGRAPH}));
}

TEST(DocxParagraphs, EachPropertyReachesItsFieldOfTheParagraphRecord) {
    struct Case {
        const char *ppr;
        std::function<bool(const CUParaChangeInfo &)> holds;
    } cases[] = {
        {"<w:jc w:val=\"center\"/>", [](const auto &p) { return p.Item12Value == 1; }},
        {"<w:jc w:val=\"right\"/>", [](const auto &p) { return p.Item12Value == 2; }},
        {"<w:jc w:val=\"both\"/>", [](const auto &p) { return p.Item12Value == 3; }},
        {"<w:ind w:left=\"720\" w:right=\"360\" w:firstLine=\"240\"/>",
         [](const auto &p) { return p.Indent0 == 720 && p.Indent1 == 360 && p.Indent2 == 240; }},
        {"<w:ind w:left=\"720\" w:hanging=\"360\"/>",
         [](const auto &p) { return p.Indent0 == 720 && static_cast<int16_t>(p.Indent2) == -360; }},
        {"<w:spacing w:before=\"240\" w:after=\"120\"/>",
         [](const auto &p) { return p.Item98Data1 == 240 && p.Item99Data1 == 120; }},
        {"<w:spacing w:line=\"360\" w:lineRule=\"auto\"/>",
         [](const auto &p) { return p.Item14Value == 0 && p.Item14Data1 == 360; }},
        {"<w:spacing w:line=\"300\" w:lineRule=\"exact\"/>",
         [](const auto &p) { return p.Item14Value == 3 && p.Item14Data1 == 300; }},
        {"<w:keepNext/>", [](const auto &p) { return p.Item56Value == 1; }},
        {"<w:keepLines/>", [](const auto &p) { return p.Item57Value == 1; }},
        {"<w:pageBreakBefore/>", [](const auto &p) { return p.Item103Value == 1; }},
        {"<w:outlineLvl w:val=\"2\"/>",
         [](const auto &p) { return (p.ChangeFlags & CU_PARA_CHANGED_ITEM_137) && p.Item137Value == 2; }},
        {"<w:tabs><w:tab w:val=\"right\" w:leader=\"dot\" w:pos=\"9000\"/><w:tab w:val=\"left\" "
         "w:pos=\"720\"/></w:tabs>",
         [](const auto &p) {
             return p.TabCount == 2 && p.TabStops[0].Position == 720 && p.TabStops[1].Position == 9000 &&
                    p.TabStops[1].Kind == model::kTabRight && p.TabStops[1].Data1Low == '.';
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ppr);
        Docx docx;
        docx.body = para("said", c.ppr);
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_TRUE(c.holds(doc.records_at(u"said").para));
    }
}

// A paragraph's tab stops lie over its style's: a clear takes one away.
TEST(DocxParagraphs, TabStopsOverTheStyles) {
    Docx docx;
    docx.styles = style("Tabbed", "Tabbed",
                        "<w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"1440\"/><w:tab w:val=\"center\" w:pos=\"4320\"/>"
                        "</w:tabs></w:pPr>");
    docx.body = para("mine",
                     "<w:pStyle w:val=\"Tabbed\"/><w:tabs><w:tab w:val=\"clear\" w:pos=\"1440\"/>"
                     "<w:tab w:val=\"decimal\" w:pos=\"6000\"/></w:tabs>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto p = doc.records_at(u"mine").para;
    ASSERT_EQ(p.TabCount, 2);
    EXPECT_EQ(p.TabStops[0].Position, 4320u);
    EXPECT_EQ(p.TabStops[0].Kind, model::kTabCentre);
    EXPECT_EQ(p.TabStops[1].Position, 6000u);
    EXPECT_EQ(p.TabStops[1].Kind, model::kTabDecimal);
}

}  // namespace
}  // namespace qrv::test
