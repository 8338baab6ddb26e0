// Where the change walk stops, fonts, styles applied by items, and the
// optimize comparisons.
#include "gather/walk_doc.hpp"

#include <string>

namespace {

using namespace qrv::gathertest;

TEST(Walk, StopsWhereItMust) {
    const struct {
        const char *name;
        const char *items;
        const char *stop_label;  // the id left in the pointed-to id
        uint32_t font_size;
    } cases[] = {
        {"text run", "FONT_SIZE 4\n@s: text \"a\"\nFONT_SIZE 9", "s", 4},
        {"tag begin without bit 30", "FONT_SIZE 4\n@s: begin 0x20000005\nFONT_SIZE 9\nend", "s", 4},
        {"tag with bit 30 passed whole", "FONT_SIZE 4\nbegin 0x40000005\nFONT_SIZE 9\nend\nATTR_25 1\n@s: text \"a\"",
         "s", 4},
        {"type above 154", "FONT_SIZE 4\n@s: 155\nFONT_SIZE 9", "s", 4},
        {"type below 8", "FONT_SIZE 4\n@s: 5\nFONT_SIZE 9", "s", 4},
        {"unlisted type 11", "FONT_SIZE 4\n@s: 11\nFONT_SIZE 9", "s", 4},
    };
    for (const auto &c : cases) {
        Doc doc(run_of(c.items));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet);
        EXPECT_EQ(w.result, 0u) << c.name;
        EXPECT_EQ(w.stopped, doc[c.stop_label]) << c.name;
        EXPECT_EQ(w.records.text.FontSize, c.font_size) << c.name;
    }
}

TEST(Walk, FirstItemThatEndsTheWalkLeavesTheIdAlone) {
    Doc doc(run_of("text \"a\"\nFONT_SIZE 4"));
    Sheet sheet(doc);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.stopped, doc.after(doc["first"]));
    EXPECT_EQ(w.records.text.ChangeFlags, 0u);
}

TEST(Walk, Bounds) {
    Doc doc(run_of("FONT_SIZE 4\n@second: FONT_SIZE 5\n@third: FONT_SIZE 6"));
    Sheet sheet(doc);
    const struct {
        const char *last;
        uint32_t font_size;
        const char *stopped;
    } cases[] = {{"first", 0, nullptr}, {"second", 5, "third"}, {"third", 6, "text"}};
    for (const auto &c : cases) {
        Records r;
        uint32_t stopped = 0;
        EXPECT_EQ(qrv::styletest::gather_from(doc, sheet, r, doc["first"], doc[c.last], &stopped), 0u);
        EXPECT_EQ(r.text.FontSize, c.font_size) << c.last;
        EXPECT_EQ(stopped, c.stopped ? doc[c.stopped] : doc["second"]) << c.last;
    }
}

TEST(Walk, FetchFailureIsReturned) {
    Doc doc(run_of("FONT_SIZE 4\n@second: FONT_SIZE 5"));
    Sheet sheet(doc);
    CHFaultAtId(doc.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, doc["second"], 0x55);
    Records r;
    uint32_t next = doc["second"];
    const CHItem first{CH_ITEM_FONT_SIZE, 4, 0, 0};
    EXPECT_EQ(CUGatherChangeInfo(sheet.get(), &r.para, &r.text, &r.cell, first, &next, CH_NO_ITEM, doc.h()), 0x55u);
    EXPECT_EQ(r.text.FontSize, 4);
}

TEST(Walk, LoopingIdsEnd) {
    Doc doc(run_of("FONT_SIZE 4\n@second: FONT_SIZE 5\n@third: FONT_SIZE 6"));
    Sheet sheet(doc);
    CHFaultRedirectId(doc.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, doc["third"], doc["second"]);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.result, 0u);
    EXPECT_EQ(w.records.text.FontSize, 5);
}

std::string font_doc() {
    return "font id=3 name=\"" + std::string(100, 'A') + "\" value=7\nfont id=4 name=\"Sans\" value=8\n";
}

size_t name_length(const QRVWCHAR (&name)[CU_FONT_NAME_CHARS]) {
    size_t n = 0;
    while (n < CU_FONT_NAME_CHARS && name[n]) ++n;
    return n;
}

TEST(Fonts, NamesValuesAndSlots) {
    const struct {
        const char *items;
        uint32_t slot;
        size_t name_length;
        uint32_t info;
        uint32_t flags;
        uint8_t multi;
    } cases[] = {
        {"FONT 3", 0, 80, 7, CU_TEXT_CHANGED_FONT, 0},
        {"FONT 4", 0, 4, 8, CU_TEXT_CHANGED_FONT, 0},
        {"MULTI_FONT 4 0", 0, 4, 8, 0, 1},
        {"MULTI_FONT 4 4", 4, 4, 8, 0, 1},
    };
    for (const auto &c : cases) {
        Doc doc(run_of(c.items, font_doc()));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet);
        const CUTextChangeInfo &t = w.records.text;
        SCOPED_TRACE(c.items);
        EXPECT_EQ(t.ChangeFlags, c.flags);
        EXPECT_EQ(t.MultiFont, c.multi);
        EXPECT_EQ(name_length(t.FontName[c.slot]), c.name_length);
        EXPECT_EQ(t.FontInfo[c.slot], c.info);
        if (c.slot + 1 < CU_FONT_SLOTS) {
            EXPECT_EQ(t.FontName[c.slot + 1][0], 0) << "next slot untouched";
        }
    }
}

TEST(Fonts, UnknownFontKeepsTheNameAndIgnoredSlots) {
    Doc doc(run_of("FONT 4\nFONT 99\nMULTI_FONT 4 5", font_doc()));
    Sheet sheet(doc);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.records.text.FontId[0], 99);
    EXPECT_EQ(qrv::styletest::wide(w.records.text.FontName[0]), u"Sans");
    EXPECT_EQ(w.records.text.FontInfo[0], 8u);
    EXPECT_EQ(w.records.text.MultiFont, 0) << "slot 5 is ignored";
}

// Style 1: a paragraph style with a font size, item 25, a tab, a list; style
// 2: a character style; style 4: a list style with a list level record.
constexpr const char *kStyles = R"(
font id=4 name="Sans" value=8
@lv: list-level word1=5
@rp: style-record kind=1
@rc: style-record kind=0
@rl: style-record kind=4
@rx: style-record kind=9
begin STYLE_DEFINITION 0 @rp key=1
FONT_SIZE 30
ATTR_25 6
CHAR_ATTR 3 1
FONT 4
TAB_LIST_BEGIN
TAB_STOP 1 0 500
TAB_LIST_END
ATTR_88 3
end
begin STYLE_DEFINITION 0 @rc key=2
FONT_SIZE 10
CHAR_ATTR 2 1
ATTR_62 5 6
end
begin STYLE_DEFINITION 0 @rl key=4
LIST_LEVEL_DATA 10 0 @lv
end
begin STYLE_DEFINITION 0 @rx key=9
end
)";

TEST(StyleItems, ParagraphStyleResetsAndCopies) {
    Doc doc(run_of("STYLE 0 1", kStyles));
    Sheet sheet(doc);
    Records start;
    start.para.Item12Value = 9;
    start.para.MaxFontSize = 12;
    start.cell.Item151Value = 4;
    start.text.Attr5 = 1;
    const WalkResult w = walk(doc, sheet, start);
    ASSERT_EQ(w.result, 0u);
    const Records &r = w.records;
    EXPECT_EQ(r.text.ChangeFlags, CU_TEXT_CHANGED_STYLE | CU_TEXT_CHANGED_ITEM_25);
    EXPECT_EQ(r.text.StyleId, 1u);
    EXPECT_EQ(r.text.Attr5, 0) << "text record cleared";
    EXPECT_EQ(r.text.Attr3, 0) << "attributes are not copied";
    EXPECT_EQ(r.text.Item25Value, 6u);
    EXPECT_EQ(qrv::styletest::wide(r.text.FontName[0]), u"Sans");
    EXPECT_EQ(r.para.ChangeFlags, CU_PARA_CHANGED_STYLE);
    EXPECT_EQ(r.para.StyleId, 1u);
    EXPECT_EQ(r.para.Item12Value, 0);
    EXPECT_EQ(r.para.ListStyleIndex, -1);
    EXPECT_EQ(r.para.StyleItemId, doc["first"]);
    EXPECT_EQ(r.para.MaxFontSize, 30u);
    EXPECT_EQ(r.para.TabCount, 1);
    EXPECT_EQ(r.para.Item88Value, 3);
    EXPECT_EQ(r.cell.Item151Value, 0u);
}

TEST(StyleItems, CharacterListAndOtherKinds) {
    Doc doc(run_of("STYLE 0 2", kStyles));
    Sheet sheet(doc);
    Records start;
    start.para.Item12Value = 9;
    start.para.MaxFontSize = 12;
    WalkResult w = walk(doc, sheet, start);
    EXPECT_EQ(w.records.para.Item12Value, 9) << "a character style keeps the paragraph";
    EXPECT_EQ(w.records.para.MaxFontSize, 12u) << "10 is not larger";
    EXPECT_EQ(w.records.text.ChangeFlags, CU_TEXT_CHANGED_STYLE);

    Doc list(run_of("STYLE 0 4", kStyles));
    Records listed;
    listed.para.ChangeFlags = CU_PARA_CHANGED_LIST_TABS;
    w = walk(list, sheet, listed);
    EXPECT_EQ(w.records.para.ListStyleIndex, CIStyleNumber(sheet.get(), 4));
    EXPECT_EQ(w.records.para.ChangeFlags, CU_PARA_CHANGED_LIST_STYLE);
    EXPECT_EQ(w.records.text.ChangeFlags, 0u);

    Doc other(run_of("STYLE 0 9\nFONT_SIZE 3", kStyles));
    w = walk(other, sheet);
    EXPECT_EQ(w.records.text.ChangeFlags, CU_TEXT_CHANGED_FONT_SIZE) << "kind 9 changes nothing";
}

TEST(StyleItems, AttributesTakenFromAStyle) {
    const struct {
        const char *items;
        uint32_t text_flags;
        uint32_t para_flags;
        bool (*check)(const Records &);
    } cases[] = {
        {"STYLE_ATTR 2 2", CU_TEXT_CHANGED_ATTR_2, 0, [](const Records &r) { return r.text.Attr2 == 1; }},
        {"STYLE_ATTR 2 2 4", CU_TEXT_CHANGED_ATTR_2, 0, [](const Records &r) { return r.text.Attr2 == 0; }},
        {"STYLE_ATTR 3 2 4", CU_TEXT_CHANGED_ATTR_3, 0, [](const Records &r) { return r.text.Attr3 == 1; }},
        {"STYLE_ATTR 18 2", 0, 0, nullptr},
        {"STYLE_ATTR 23 1", CU_TEXT_CHANGED_FONT_SIZE, 0,
         [](const Records &r) { return r.text.FontSize == 30 && r.para.MaxFontSize == 30; }},
        {"STYLE_ATTR 24 1", CU_TEXT_CHANGED_FONT, 0,
         [](const Records &r) { return r.text.FontId[0] == 4 && r.text.FontInfo[0] == 8; }},
        {"STYLE_ATTR 27 2", CU_TEXT_CHANGED_ITEM_62, 0,
         [](const Records &r) { return r.text.Item62Data1 == 6 && r.text.Item62Value == 0; }},
        {"STYLE_ATTR 32 1", CU_TEXT_CHANGED_ITEM_25, 0, [](const Records &r) { return r.text.Item25Value == 6; }},
        {"STYLE_ATTR 33 1", CU_TEXT_CHANGED_STYLE | CU_TEXT_CHANGED_ITEM_25, 0,
         [](const Records &r) { return r.text.StyleId == 1 && r.text.Item25Value == 6 && r.text.Attr3 == 0; }},
        {"STYLE_ATTR 34 1", 0, CU_PARA_CHANGED_STYLE, [](const Records &r) { return r.para.StyleId == 1; }},
        {"STYLE_ATTR 29 1", 0, 0, nullptr},
    };
    for (const auto &c : cases) {
        Doc doc(run_of(c.items, kStyles));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet);
        SCOPED_TRACE(c.items);
        EXPECT_EQ(w.result, 0u);
        EXPECT_EQ(w.records.text.ChangeFlags, c.text_flags);
        EXPECT_EQ(w.records.para.ChangeFlags, c.para_flags);
        if (c.check) {
            EXPECT_TRUE(c.check(w.records));
        }
    }
}

TEST(StyleItems, StyledCells) {
    Doc doc(run_of("ATTR_12 5\nSS_STYLED_CELL_72 1 2\nSS_STYLED_CELL_73 0 1", kStyles));
    Sheet sheet(doc);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.records.text.ChangeFlags, CU_TEXT_CHANGED_STYLE);
    EXPECT_EQ(w.records.text.StyleId, 2u);
    EXPECT_EQ(w.records.para.ChangeFlags, CU_PARA_CHANGED_STYLE);
    EXPECT_EQ(w.records.para.Item12Value, 0);
}

TEST(Optimize, TextFlagsReportOnlyDifferences) {
    CUTextChangeInfo a{}, b{};
    a.ChangeFlags = 0xFFFFFFFF;
    EXPECT_EQ(CUOptimizeTextChangeFlags(&a, &b), 0u) << "equal records";
    const struct {
        void (*change)(CUTextChangeInfo &);
        uint32_t expected;
    } cases[] = {
        {[](CUTextChangeInfo &t) { t.Attr2 = 1; }, CU_TEXT_CHANGED_ATTR_2},
        {[](CUTextChangeInfo &t) { t.Attr4 = 1; }, CU_TEXT_CHANGED_ATTR_4_ITEM_63},
        {[](CUTextChangeInfo &t) { t.Item63Value = 1; }, CU_TEXT_CHANGED_ATTR_4_ITEM_63},
        {[](CUTextChangeInfo &t) { t.Item62Data1 = 1; }, CU_TEXT_CHANGED_ITEM_62},
        {[](CUTextChangeInfo &t) { t.Attr18 = 1; }, 0},
        {[](CUTextChangeInfo &t) { t.Attr22 = 1; }, 0},
        {[](CUTextChangeInfo &t) { t.Item65Value = 1; }, 0},
        {[](CUTextChangeInfo &t) { t.FontId[0] = 3; }, 0},
        {[](CUTextChangeInfo &t) { t.FontName[0][79] = 'x'; }, CU_TEXT_CHANGED_FONT | CU_TEXT_CHANGED_ITEM_25},
        {[](CUTextChangeInfo &t) { t.StyleId = 2; }, CU_TEXT_CHANGED_STYLE},
        {[](CUTextChangeInfo &t) { t.Attr39 = 1; }, CU_TEXT_CHANGED_ATTR_39},
    };
    for (const auto &c : cases) {
        CUTextChangeInfo x{};
        x.ChangeFlags = 0xFFFFFFFF;
        c.change(x);
        EXPECT_EQ(CUOptimizeTextChangeFlags(&x, &b), c.expected) << c.expected;
    }
    CUTextChangeInfo only_font{};
    only_font.ChangeFlags = CU_TEXT_CHANGED_FONT;
    only_font.FontName[0][0] = 'x';
    only_font.Attr2 = 1;
    EXPECT_EQ(CUOptimizeTextChangeFlags(&only_font, &b), CU_TEXT_CHANGED_FONT | CU_TEXT_CHANGED_ITEM_25)
        << "only bits set in a flag word are compared";
}

TEST(Optimize, ParaFlagsCompareFieldsAndPassListBits) {
    CUParaChangeInfo a{}, b{};
    b.ChangeFlags = 0xFFFFFFFF;
    EXPECT_EQ(CUOptimizeParaChangeFlags(&a, &b), 0x1800u);
    b.ChangeFlags = 0;
    const struct {
        void (*change)(CUParaChangeInfo &);
        uint32_t expected;
    } cases[] = {
        {[](CUParaChangeInfo &p) { p.FilterValues[2] = 1; }, CU_PARA_CHANGED_FILTER_VALUES},
        {[](CUParaChangeInfo &p) { p.Indent2 = 1; }, CU_PARA_CHANGED_INDENT2},
        {[](CUParaChangeInfo &p) { p.Item58Data[103] = 1; }, CU_PARA_CHANGED_ITEM_58},
        {[](CUParaChangeInfo &p) { p.Item99Data1 = 1; }, CU_PARA_CHANGED_ITEM_99},
        {[](CUParaChangeInfo &p) { p.StyleId = 1; }, CU_PARA_CHANGED_STYLE},
        {[](CUParaChangeInfo &p) { p.Item56Value = 1; }, 0},
        {[](CUParaChangeInfo &p) { p.TabCount = 1; }, 0},
    };
    for (const auto &c : cases) {
        CUParaChangeInfo x{};
        c.change(x);
        EXPECT_EQ(CUOptimizeParaChangeFlags(&x, &b), c.expected) << c.expected;
    }
}

}  // namespace
