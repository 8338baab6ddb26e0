// Lists of Word documents: numbering.xml as list styles and level records,
// and the numbers the reference filters count with the library's counter
// track and write with its numerals, as Word shows them.
#include <qrvmodel/conventions.hpp>

#include "docx_builder.hpp"

namespace qrv::test {
namespace {

std::string level(int ilvl, const std::string &format, const std::string &text, int start = 1,
                  const std::string &more = "") {
    return "<w:lvl w:ilvl=\"" + std::to_string(ilvl) + "\"><w:start w:val=\"" + std::to_string(start) +
           "\"/><w:numFmt w:val=\"" + format + "\"/><w:lvlText w:val=\"" + text + "\"/>" + more + "</w:lvl>";
}

std::string abstract(int id, const std::string &levels) {
    return "<w:abstractNum w:abstractNumId=\"" + std::to_string(id) + "\">" + levels + "</w:abstractNum>";
}

std::string num(int id, int abstract_id, const std::string &overrides = "") {
    return "<w:num w:numId=\"" + std::to_string(id) + "\"><w:abstractNumId w:val=\"" + std::to_string(abstract_id) +
           "\"/>" + overrides + "</w:num>";
}

std::string start_override(int ilvl, int start) {
    return "<w:lvlOverride w:ilvl=\"" + std::to_string(ilvl) + "\"><w:startOverride w:val=\"" + std::to_string(start) +
           "\"/></w:lvlOverride>";
}

std::string numbered_item(const std::string &text, int num_id, int ilvl = 0) {
    return para(text, "<w:numPr><w:ilvl w:val=\"" + std::to_string(ilvl) + "\"/><w:numId w:val=\"" +
                          std::to_string(num_id) + "\"/></w:numPr>");
}

std::string lines(const Imported &doc) { return lines_of(doc.text()); }

const std::string kOutline = abstract(1, level(0, "decimal", "%1.") + level(1, "lowerLetter", "%2)") +
                                             level(2, "lowerRoman", "(%3)") + level(3, "decimal", "%1.%2.%4"));

TEST(DocxLists, NumbersAsWordShowsThem) {
    struct Case {
        const char *name;
        std::string numbering;
        std::string body;
        std::string shown;
    } cases[] = {
        {"nested levels restart under a new outer item", kOutline + num(1, 1),
         numbered_item("a", 1) + numbered_item("b", 1, 1) + numbered_item("c", 1, 1) + numbered_item("d", 1, 2) +
             numbered_item("e", 1) + numbered_item("f", 1, 1),
         "1. a\n  a) b\n  b) c\n    (i) d\n2. e\n  a) f\n"},
        {"level texts name outer levels", kOutline + num(1, 1),
         numbered_item("a", 1) + numbered_item("b", 1, 1) + numbered_item("c", 1, 3) + numbered_item("d", 1, 3),
         "1. a\n  a) b\n      1.a.1 c\n      1.a.2 d\n"},
        {"every common kind",
         abstract(1, level(0, "upperRoman", "%1.", 4)) + abstract(2, level(0, "upperLetter", "%1.", 26)) +
             abstract(3, level(0, "decimalZero", "%1.", 9)) + abstract(4, level(0, "none", "Note:")) +
             abstract(5, level(0, "lowerLetter", "(%1)", 2)) + num(1, 1) + num(2, 2) + num(3, 3) + num(4, 4) +
             num(5, 5),
         numbered_item("a", 1) + numbered_item("b", 1) + numbered_item("c", 2) + numbered_item("d", 2) +
             numbered_item("e", 3) + numbered_item("f", 3) + numbered_item("g", 4) + numbered_item("h", 5),
         "IV. a\nV. b\nZ. c\nAA. d\n09. e\n10. f\nNote: g\n(b) h\n"},
        {"a restart is an instance with a start override",
         abstract(1, level(0, "decimal", "%1.")) + num(1, 1) + num(2, 1, start_override(0, 1)),
         numbered_item("a", 1) + numbered_item("b", 1) + para("between") + numbered_item("c", 2) +
             numbered_item("d", 2),
         "1. a\n2. b\nbetween\n1. c\n2. d\n"},
        {"instances of one definition continue each other",
         abstract(1, level(0, "decimal", "%1.")) + num(1, 1) + num(2, 1),
         numbered_item("a", 1) + para("between") + numbered_item("b", 2), "1. a\nbetween\n2. b\n"},
        {"a start override is where the instance starts",
         abstract(1, level(0, "decimal", "%1.")) + num(7, 1, start_override(0, 4)),
         numbered_item("a", 7) + numbered_item("b", 7), "4. a\n5. b\n"},
        {"legal numbering shows outer levels as decimal",
         abstract(1, level(0, "upperRoman", "%1.") + level(1, "decimal", "%1.%2", 1, "<w:isLgl/>")) + num(1, 1),
         numbered_item("a", 1) + numbered_item("b", 1) + numbered_item("c", 1, 1), "I. a\nII. b\n  2.1 c\n"},
        {"bullets from the symbol fonts",
         abstract(1, level(0, "bullet", "\xEF\x82\xB7", 1, "<w:rPr><w:rFonts w:ascii=\"Symbol\"/></w:rPr>") +
                         level(1, "bullet", "o", 1, "<w:rPr><w:rFonts w:ascii=\"Courier New\"/></w:rPr>") +
                         level(2, "bullet", "\xEF\x82\xA7", 1, "<w:rPr><w:rFonts w:ascii=\"Wingdings\"/></w:rPr>")) +
             num(1, 1),
         numbered_item("a", 1) + numbered_item("b", 1, 1) + numbered_item("c", 1, 2),
         "\xE2\x80\xA2 a\n  \xE2\x97\xA6 b\n    \xE2\x96\xAA c\n"},
        {"an empty item still takes its number", abstract(1, level(0, "decimal", "%1.")) + num(1, 1),
         numbered_item("a", 1) +
             "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr></w:p>" +
             numbered_item("c", 1),
         "1. a\n2. \n3. c\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Docx docx;
        docx.numbering = c.numbering;
        docx.body = c.body;
        Imported doc(docx);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(lines(doc), c.shown);
    }
}

// The level records the library loads for a list style.
TEST(DocxLists, LevelRecordsCarryKindsStartsAndCounters) {
    Docx docx;
    docx.numbering = abstract(1, level(0, "lowerRoman", "%1.", 3) + level(1, "bullet", "-")) + num(1, 1) + num(2, 1);
    docx.body = numbered_item("a", 1) + numbered_item("b", 2, 1);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const auto first = doc.records_at(u"a").para, second = doc.records_at(u"b").para;
    ASSERT_GE(first.ListStyleIndex, 0);
    EXPECT_EQ(first.ListLevel, 1u);
    EXPECT_EQ(first.ListKind, 1u);  // counted
    EXPECT_EQ(second.ListLevel, 2u);
    EXPECT_EQ(second.ListKind, 0u);  // a bullet
    CUListLevelRecord roman{}, bullet{}, other{};
    const uint32_t list = doc.sheet()->StyleTable[first.ListStyleIndex].Id;
    const uint32_t list2 = doc.sheet()->StyleTable[second.ListStyleIndex].Id;
    ASSERT_EQ(CULoadListLevelStyle(doc.sheet(), list, 0, &roman), 0u);
    ASSERT_EQ(CULoadListLevelStyle(doc.sheet(), list, 1, &bullet), 0u);
    ASSERT_EQ(CULoadListLevelStyle(doc.sheet(), list2, 0, &other), 0u);
    EXPECT_EQ(roman.Numbering, 3u | 0x20000u);
    EXPECT_EQ(roman.ChunkerWords12[model::kLevelStartWord], 3u);
    EXPECT_EQ(bullet.Numbering, uint32_t{CU_LIST_NUMBERING_BULLET});
    EXPECT_EQ(bullet.BulletChar, u'-');
    // Both instances of the definition count on one counter.
    EXPECT_NE(roman.ChunkerWords12[model::kLevelCounterWord], 0u);
    EXPECT_EQ(roman.ChunkerWords12[model::kLevelCounterWord], other.ChunkerWords12[model::kLevelCounterWord]);
    EXPECT_NE(list, list2);
}

// A paragraph style with numbering numbers its paragraphs through the
// library's style inheritance; numId 0 takes one out; a numbered heading
// stays a heading with its number.
TEST(DocxLists, NumberingFromStyles) {
    Docx docx;
    docx.numbering =
        abstract(1, level(0, "decimal", "%1.")) + abstract(2, level(0, "decimal", "%1")) + num(1, 1) + num(2, 2);
    docx.styles = style("ListNumber", "List Number", "<w:pPr><w:numPr><w:numId w:val=\"1\"/></w:numPr></w:pPr>") +
                  style("Heading1", "heading 1",
                        "<w:pPr><w:numPr><w:numId w:val=\"2\"/></w:numPr><w:outlineLvl w:val=\"0\"/></w:pPr>");
    docx.body = para("Scope", "<w:pStyle w:val=\"Heading1\"/>") + para("a", "<w:pStyle w:val=\"ListNumber\"/>") +
                para("b", "<w:pStyle w:val=\"ListNumber\"/>") +
                para("out", "<w:pStyle w:val=\"ListNumber\"/><w:numPr><w:numId w:val=\"0\"/></w:numPr>") +
                para("c", "<w:pStyle w:val=\"ListNumber\"/>") + para("Terms", "<w:pStyle w:val=\"Heading1\"/>");
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(lines(doc), "1 Scope\n1. a\n2. b\nout\n3. c\n2 Terms\n");
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<h1 id=\"h"), std::string::npos);
    EXPECT_NE(html.find("<span class=\"marker\">2</span> Terms</h1>"), std::string::npos) << html;
}

TEST(DocxLists, NumberingThatRefersToNothing) {
    Docx docx;
    docx.numbering = abstract(1, level(0, "decimal", "%1.")) + num(1, 9);  // instance of no definition
    docx.body = numbered_item("a", 1) + numbered_item("b", 42);
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.message().find("list '42', which is not defined"), std::string::npos) << doc.message();
    EXPECT_EQ(lines(doc), "1. a\nb\n");
}

}  // namespace
}  // namespace qrv::test
