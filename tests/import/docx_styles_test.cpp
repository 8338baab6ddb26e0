// Styles of Word documents as the library loads them: the style records
// and definitions the importer writes, loaded with CULoadStyle, recognised
// as headings and titles, and based on each other.
#include <qrvex/properties.h>

#include "docx_builder.hpp"

namespace qrv::test {
namespace {

// The chunker's style id of the paragraph style a text run's paragraph applies.
uint32_t style_of(Imported &doc, const std::u16string &words) { return doc.records_at(words).para.StyleId; }

const std::string kHeadingStyles =
    style("Normal", "Normal", "<w:rPr><w:rFonts w:ascii=\"Cambria\"/></w:rPr>") +
    style("Heading1", "heading 1",
          "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:outlineLvl w:val=\"0\"/></w:pPr>"
          "<w:rPr><w:rFonts w:ascii=\"Georgia\"/><w:b/><w:sz w:val=\"32\"/><w:color w:val=\"2F5496\"/></w:rPr>") +
    style("Heading2", "heading 2", "<w:basedOn w:val=\"Heading1\"/><w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr>") +
    style("Title", "Title", "<w:basedOn w:val=\"Normal\"/><w:pPr><w:jc w:val=\"center\"/></w:pPr>") +
    style("Quote", "Quote", "<w:basedOn w:val=\"Normal\"/><w:rPr><w:i/></w:rPr>");

TEST(DocxStyles, HeadingsAndTitlesAreRecognisedByTheLibrary) {
    Docx docx;
    docx.styles = kHeadingStyles;
    docx.body = para("Report", "<w:pStyle w:val=\"Title\"/>") + para("Intro", "<w:pStyle w:val=\"Heading1\"/>") +
                para("Detail", "<w:pStyle w:val=\"Heading2\"/>") + para("Said", "<w:pStyle w:val=\"Quote\"/>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    struct Case {
        std::u16string words;
        uint32_t title;
        uint32_t heading;  // CUStyleCheckHeadingStyle: level + 1
        int32_t outline;   // CUStyleGetOutlineLevel: level + 1
    } cases[] = {
        {u"Report", 1, 0, 0},
        {u"Intro", 0, 2, 1},
        {u"Detail", 0, 3, 2},
        {u"Said", 0, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.words.begin(), c.words.end()));
        CUStyleSlot *slot = nullptr;
        uint32_t index = 0;
        ASSERT_EQ(CULoadStyle(doc.sheet(), style_of(doc, c.words), CH_NO_ITEM, &slot, &index), 0u);
        const CUStyleEntry &entry = doc.sheet()->StyleTable[index];
        EXPECT_EQ(entry.Kind, uint32_t{CU_STYLE_KIND_PARAGRAPH});
        EXPECT_EQ(CUStyleCheckTitleStyle(doc.sheet(), index), c.title);
        EXPECT_EQ(CUStyleCheckHeadingStyle(doc.sheet(), entry.NameItemId), c.heading);
        EXPECT_EQ(CUStyleGetOutlineLevel(doc.sheet(), index), c.outline);
    }
}

// Each style's record names the style it is based on; its definition holds
// its formatting along the chain, so its slot shows what Word shows.
TEST(DocxStyles, BasedOnChainsReachTheSlots) {
    Docx docx;
    docx.styles = kHeadingStyles;
    docx.body = para("Detail", "<w:pStyle w:val=\"Heading2\"/>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
    ASSERT_EQ(CULoadStyle(doc.sheet(), style_of(doc, u"Detail"), CH_NO_ITEM, &slot, &index), 0u);
    EXPECT_EQ(slot->Text.Attr2, 1);  // bold from heading 1
    EXPECT_EQ(slot->Text.FontSize, 32);
    EXPECT_EQ(slot->Text.Item25Value, 0x2F5496u);
    EXPECT_EQ(slot->Para.Item56Value, 1u);  // keep with next
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(slot->Text.FontName[0])), u"Georgia");

    // The chain in the style table: heading 2 -> heading 1 -> Normal -> none.
    std::vector<std::u16string> chain;
    uint32_t id = doc.sheet()->StyleTable[index].Id;
    for (int step = 0; step < 5 && id != CH_NO_ITEM; ++step) {
        ASSERT_EQ(CULoadStyle(doc.sheet(), id, CH_NO_ITEM, &slot, &index), 0u);
        chain.push_back(style_name_of(doc, doc.sheet()->StyleTable[index]));
        id = doc.sheet()->StyleTable[index].ParentId;
    }
    EXPECT_EQ(chain, (std::vector<std::u16string>{u"heading 2", u"heading 1", u"Normal"}));
}

// A paragraph without a style of its own takes the default paragraph
// style; the document's default font is no font change.
TEST(DocxStyles, DefaultParagraphStyleAndDocumentDefaults) {
    Docx docx;
    docx.styles =
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Cambria\"/></w:rPr></w:rPrDefault>"
        "</w:docDefaults>" +
        std::string(
            "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Body\"><w:name w:val=\"Body\"/>"
            "<w:pPr><w:jc w:val=\"both\"/></w:pPr></w:style>");
    docx.body = para("plain");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto records = doc.records_at(u"plain");
    EXPECT_EQ(records.para.ChangeFlags & CU_PARA_CHANGED_STYLE, CU_PARA_CHANGED_STYLE);
    EXPECT_EQ(records.para.Item12Value, 3);
    EXPECT_EQ(records.text.FontName[0][0], 0);
}

// Cycles and missing parents are cut with a warning: every style still
// loads, and no chain the library walks goes round.
TEST(DocxStyles, CyclesAndMissingParentsAreCut) {
    struct Case {
        const char *name;
        std::string styles;
        const char *warning;
    } cases[] = {
        {"based on itself", style("A", "A", "<w:basedOn w:val=\"A\"/><w:rPr><w:b/></w:rPr>"), "based on it in turn"},
        {"two on each other",
         style("A", "A", "<w:basedOn w:val=\"B\"/><w:rPr><w:b/></w:rPr>") +
             style("B", "B", "<w:basedOn w:val=\"A\"/><w:rPr><w:i/></w:rPr>"),
         "based on it in turn"},
        {"missing parent", style("A", "A", "<w:basedOn w:val=\"Nowhere\"/><w:rPr><w:b/></w:rPr>"), "not defined"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.styles = c.styles;
        docx.body = para("styled", "<w:pStyle w:val=\"A\"/>");
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        CUStyleSlot *slot = nullptr;
        uint32_t index = 0;
        uint32_t id = style_of(doc, u"styled");
        for (int step = 0; step < 4 && id != CH_NO_ITEM; ++step) {
            ASSERT_EQ(CULoadStyle(doc.sheet(), id, CH_NO_ITEM, &slot, &index), 0u);
            id = doc.sheet()->StyleTable[index].ParentId;
        }
        EXPECT_EQ(id, CH_NO_ITEM);
        EXPECT_EQ(doc.records_at(u"styled").text.Attr2, 1);
    }
}

// A style chain far deeper than the library loads (it refuses beyond a
// few dozen nested loads) still shows its inherited formatting.
TEST(DocxStyles, DeepChainsAreFlattenedIntoEachDefinition) {
    Docx docx;
    docx.styles = style("S0", "S0", "<w:rPr><w:i/></w:rPr>");
    for (int i = 1; i < 2000; ++i)
        docx.styles += style("S" + std::to_string(i), "S" + std::to_string(i),
                             "<w:basedOn w:val=\"S" + std::to_string(i - 1) + "\"/>");
    docx.body = para("deep", "<w:pStyle w:val=\"S1999\"/>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(doc.records_at(u"deep").text.Attr3, 1);
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
    ASSERT_EQ(CULoadStyle(doc.sheet(), style_of(doc, u"deep"), CH_NO_ITEM, &slot, &index), 0u);
    EXPECT_EQ(slot->Text.Attr3, 1);
}

}  // namespace
}  // namespace qrv::test
