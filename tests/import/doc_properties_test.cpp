// Word 97-2003 documents built at test time: the fonts runs name through
// the font table, tab stops of paragraphs and styles, and the layout of
// table rows (cell widths, horizontal and vertical merges), with tables,
// fonts and changes cut short.
#include <qrvmodel/conventions.hpp>

#include <string>
#include <vector>

#include "doc_builder.hpp"
#include "imported_document.hpp"
#include "table_shape.hpp"

namespace qrv::test::doc {
namespace {

// A run's font, empty for the document's default.
std::string font_of(const CUTextChangeInfo &text) {
    return text.FontInfo[0] & model::kDefaultFontBit ? "" : font_name(text);
}

const std::vector<std::u16string> kFonts = {u"Times New Roman", u"Symbol", u"Arial", u"MS Mincho"};

TEST(DocFonts, RunsNameTheirFontBySlot) {
    const struct {
        const char *name;
        std::string changes;
        std::string font;  // empty: the document's default
    } cases[] = {
        {"the Latin font", change(0x4A4F, u16(2)), "Arial"},
        {"the font for other scripts", change(0x4A51, u16(2)), "Arial"},
        {"the Latin font wins", change(0x4A51, u16(1)) + change(0x4A4F, u16(2)), "Arial"},
        {"an East Asian font is not kept", change(0x4A50, u16(3)), ""},
        {"a slot past the table", change(0x4A4F, u16(40)), ""},
        {"the default font's slot", change(0x4A4F, u16(0)), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = text_doc(u"plain marked\r");
        b.fonts = kFonts;
        b.runs = {{6, 12, c.changes}};
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(font_of(doc.records_at(u"marked").text), c.font);
        EXPECT_EQ(font_of(doc.records_at(u"plain").text), "");
    }
}

TEST(DocFonts, StylesNameFontsAndTheHeaderTheDefault) {
    DocBuilder b = text_doc(u"styled\rplain\r");
    b.fonts = kFonts;
    b.default_font = 2;
    b.styles = {{0, 1, 0x0FFF, u"Normal", "", ""}, {0x0FFE, 1, 0, u"Code", "", change(0x4A4F, u16(0))}};
    b.paragraphs = {{1, ""}, {0, ""}};
    b.runs = {{7, 12, change(0x4A4F, u16(2))}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(font_of(doc.records_at(u"styled").text), "Times New Roman");
    EXPECT_EQ(font_of(doc.records_at(u"plain").text), "");  // Arial, the default
}

TEST(DocFonts, ACutTableKeepsTheFontsBeforeTheCut) {
    DocBuilder b = text_doc(u"first second\r");
    b.fonts = kFonts;
    b.runs = {{0, 5, change(0x4A4F, u16(1))}, {6, 12, change(0x4A4F, u16(2))}};
    std::string main = b.main_stream();
    // The table's length stops inside the third font's record.
    const uint32_t at = static_cast<uint32_t>(154 + 15 * 8);
    const std::string table = b.table_stream();
    const auto entry = [](const std::u16string &name) { return 1 + 39 + 2 * (name.size() + 1); };
    put32(main, at + 4, static_cast<uint32_t>(4 + entry(kFonts[0]) + entry(kFonts[1]) + 20));
    CompoundFileBuilder file;
    file.add("WordDocument", main);
    file.add("1Table", table);
    Imported doc(file.bytes(), "test.doc");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(font_of(doc.records_at(u"first").text), "Symbol");
    EXPECT_EQ(font_of(doc.records_at(u"second").text), "");
    EXPECT_NE(doc.message().find("the font table is cut short"), std::string::npos) << doc.message();
}

// Alignment in the low three bits, the leader in the next three.
constexpr uint8_t kCentre = 1, kRight = 2, kDecimal = 3, kBar = 4, kDots = 1 << 3, kHyphens = 2 << 3;

std::string tabs_of(const CUParaChangeInfo &p) {
    std::string out;
    for (uint32_t i = 0; i < p.TabCount && i < CU_MAX_TAB_STOPS; ++i)
        out += std::to_string(p.TabStops[i].Position) + ":" + std::to_string(p.TabStops[i].Kind) + ":" +
               std::to_string(p.TabStops[i].Data1Low) + " ";
    return out;
}

TEST(DocTabs, ParagraphsAndStylesSetAndClearStops) {
    const std::string style_tabs = tab_changes({}, {{1440, 0}, {4320, kCentre}});
    // The style form: positions taken away each with a tolerance.
    const std::string style_form = change(0xC615, u8(9) + u8(1) + u16(1440) + u16(0) + u8(1) + u16(6000) + u8(kBar));
    // A size byte of 255: the change's size comes from its counts.
    const std::string long_form = change(0xC615, u8(0xFF) + u8(1) + u16(1440) + u16(0) + u8(1) + u16(6000) + u8(kBar));
    const struct {
        const char *name;
        std::string style_changes, changes;
        std::string tabs;  // position:kind:leader ...
    } cases[] = {
        {"stops ordered by position", "", tab_changes({}, {{9000, kRight | kDots}, {720, 0}}), "720:0:0 9000:2:46 "},
        {"decimal with hyphens, and a bar without a leader", "",
         tab_changes({}, {{2000, kDecimal | kHyphens}, {3000, kBar | kDots}}), "2000:3:45 3000:4:0 "},
        {"a style's stops", style_tabs, "", "1440:0:0 4320:1:0 "},
        {"a paragraph clears one of its style's", style_tabs, tab_changes({1440}, {{6000, kDecimal}}),
         "4320:1:0 6000:3:0 "},
        {"a style's change with tolerances", style_tabs + style_form, "", "4320:1:0 6000:4:0 "},
        {"a style's change sized by its counts, and one after it", style_tabs + long_form + tab_changes({}, {{7000, 0}}),
         "", "4320:1:0 6000:4:0 7000:0:0 "},
        {"a change cut short keeps the stops read",
         "", change(0xC60D, u8(7) + u8(0) + u8(3) + u16(500) + u16(900) + u8(0)), "500:0:0 900:0:0 "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = text_doc(u"said\r");
        b.styles = {{0, 1, 0x0FFF, u"Normal", c.style_changes, ""}};
        b.paragraphs = {{0, c.changes}};
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(tabs_of(doc.records_at(u"said").para), c.tabs);
    }
}

const std::string kInTable = change(0x2416, u8(1));
const std::string kRowEnd = kInTable + change(0x2417, u8(1));

// Two rows of cells "a" to ..., each row's mark with its layout.
DocBuilder table_doc(size_t columns, const std::vector<std::string> &layouts) {
    std::u16string text;
    DocBuilder b;
    char16_t letter = u'a';
    for (const std::string &layout : layouts) {
        for (size_t i = 0; i < columns; ++i) {
            text += letter++;
            text += u'\x07';
            b.paragraphs.push_back({0, kInTable});
        }
        text += u'\x07';
        b.paragraphs.push_back({0, kRowEnd + layout});
    }
    b.pieces = {{text + u"after\r", true}};
    b.paragraphs.push_back({});
    return b;
}

TEST(DocTableRows, WidthsAndMergesFromTheRowsLayout) {
    constexpr uint16_t kFirst = 0x0003, kMerged = 0x0001, kRestart = 0x0060, kCovered = 0x0020;
    const std::string kVerticalMerge = change(0xD62B, u8(2) + u8(1) + u8(3));
    const struct {
        const char *name;
        size_t columns;
        std::vector<std::string> layouts;
        Cells cells;
    } cases[] = {
        {"cell widths from the edges", 2,
         {table_definition({100, 2100, 5100}, {}), table_definition({100, 1100, 5100}, {})},
         {{"2000/1/1", "3000/1/1"}, {"1000/1/1", "4000/1/1"}}},
        {"a horizontal merge", 3,
         {table_definition({0, 1000, 2000, 4000}, {kFirst, kMerged, 0}), table_definition({0, 1000, 2000, 4000}, {})},
         {{"2000/2/1", "2000/1/1"}, {"1000/1/1", "1000/1/1", "2000/1/1"}}},
        {"a vertical merge", 2,
         {table_definition({0, 1000, 3000}, {kRestart, 0}), table_definition({0, 1000, 3000}, {kCovered, 0})},
         {{"1000/1/2", "2000/1/1"}, {"2000/1/1"}}},
        {"a vertical merge by its own change, before or after the layout", 2,
         {kVerticalMerge + table_definition({0, 1000, 3000}, {}),
          table_definition({0, 1000, 3000}, {}) + change(0xD62B, u8(2) + u8(1) + u8(1))},
         {{"1000/1/1", "2000/1/2"}, {"1000/1/1"}}},
        {"a row without a layout", 2, {"", table_definition({0, 1000, 3000}, {})},
         {{"0/1/1", "0/1/1"}, {"1000/1/1", "2000/1/1"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(table_doc(c.columns, c.layouts));
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(shape_of(doc).cells, c.cells);
    }
}

TEST(DocTableRows, AHeaderRowAndItsHeight) {
    const std::string layout = table_definition({0, 1000, 3000}, {});
    Imported doc(table_doc(2, {layout + change(0x3404, u8(1)) + change(0x9407, u16(0xFE70)), layout}));
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).row_flags, (std::vector<uint32_t>{model::kHeaderRowFlag, 0}));
}

TEST(DocTableRows, ACutLayoutKeepsTheCellsRead) {
    // Three cells counted, the edges of one given.
    const std::string cut = change(0xD608, u16(6) + u8(3) + u16(0) + u16(1500));
    Imported doc(table_doc(3, {cut}));
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"1500/1/1", "0/1/1", "0/1/1"}}));
    EXPECT_NE(doc.message().find("cut short"), std::string::npos) << doc.message();
    EXPECT_NE(doc.exported().find("after"), std::string::npos);
}

TEST(DocTableRows, ANestedRowTakesItsOwnLayout) {
    const std::string outer = change(0x2416, u8(1)) + change(0x6649, u32(1));
    const std::string inner = change(0x2416, u8(1)) + change(0x6649, u32(2));
    DocBuilder b = text_doc(
        u"in1\rin2\r\r"
        u"out\x07"
        u"x\x07\x07");
    b.paragraphs = {{0, inner + change(0x244B, u8(1))},
                    {0, inner + change(0x244B, u8(1))},
                    {0, inner + change(0x244C, u8(1)) + table_definition({0, 700, 1600}, {})},
                    {0, outer},
                    {0, outer},
                    {0, outer + change(0x2417, u8(1)) + table_definition({0, 4000, 6000}, {})}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(shape_of(doc).cells, (Cells{{"4000/1/1", "2000/1/1"}}));
    EXPECT_EQ(shape_of(doc, 1).cells, (Cells{{"700/1/1", "900/1/1"}}));
}

}  // namespace
}  // namespace qrv::test::doc
