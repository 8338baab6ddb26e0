// The walks built on the change walk: text info, paragraph fonts, chunk
// state and the text check.
#include "gather/walk_doc.hpp"

namespace {

using namespace qrv::gathertest;

TEST(GatherTextInfo, CollectsTheCharacterRun) {
    Doc doc(R"(
@first: FONT_SIZE 9
CHAR_ATTR 2 1
@para: ATTR_12 3
CHAR_ATTR 3 1
text "x"
)");
    Sheet sheet(doc);
    CUTextChangeInfo text{};
    text.ChangeFlags = 0xFF000000;
    text.Attr5 = 1;
    const CHItem first = doc.item(doc["first"]);
    EXPECT_EQ(CUGatherTextInfo(sheet.get(), &text, doc.after(doc["first"]), first, doc.h()), doc["para"]);
    EXPECT_EQ(text.FontSize, 9);
    EXPECT_EQ(text.Attr2, 1);
    EXPECT_EQ(text.Attr3, 1) << "each step walks on without bound";
    EXPECT_EQ(text.Attr5, 1) << "fields keep their content";
    EXPECT_EQ(text.ChangeFlags, CU_TEXT_CHANGED_FONT_SIZE | CU_TEXT_CHANGED_ATTR_2 | CU_TEXT_CHANGED_ATTR_3);
    const CHItem para = doc.item(doc["para"]);
    EXPECT_EQ(CUGatherTextInfo(sheet.get(), &text, doc["para"] + 1, para, doc.h()), doc["para"] + 1);
}

TEST(GatherParaFontInfo, StopsAtTheParagraphEnd) {
    const struct {
        const char *end_item;
    } cases[] = {{"break PARAGRAPH"}, {"45"}, {"SS_CELL_74"}, {"87"}, {"110"}, {"1025"}, {"end 0xa00a0000"},
                 {"end 0xa0120000"}};
    for (const auto &c : cases) {
        Doc doc(std::string("@first: FONT_SIZE 9\nbegin 0x20000001\nFONT_SIZE 40\nend\nCHAR_ATTR 2 1\n") + c.end_item +
                "\nFONT_SIZE 20\n@last: text \"x\"\n");
        Sheet sheet(doc);
        CUTextChangeInfo text{};
        EXPECT_EQ(CUGatherParaFontInfo(sheet.get(), &text, doc["first"], doc["last"], CHItem{}, doc.h()), 0u);
        EXPECT_EQ(text.FontSize, 9) << c.end_item;
        EXPECT_EQ(text.Attr2, 0) << "only font items are gathered";
    }
}

TEST(GatherChunkStateInfo, FromTheChunkStartToTheItem) {
    Doc doc(R"(
chunk-size 8
text "a"
FONT_SIZE 7
@mid: ATTR_12 4
begin 0x20000001
FONT_SIZE 99
end
@item: text "b"
FONT_SIZE 30
text "c"
@second: FONT_SIZE 12
)");
    Sheet sheet(doc);
    Records r;
    EXPECT_EQ(CUGatherChunkStateInfo(sheet.get(), &r.para, &r.text, doc.h(), doc["item"]), 0u);
    EXPECT_EQ(r.text.FontSize, 7);
    EXPECT_EQ(r.para.Item12Value, 4);
    Records untouched;
    EXPECT_EQ(CUGatherChunkStateInfo(sheet.get(), &untouched.para, &untouched.text, doc.h(), doc["second"]), 0u);
    EXPECT_EQ(untouched.text.ChangeFlags, 0u) << "first item of its chunk";
    EXPECT_NE(CUGatherChunkStateInfo(sheet.get(), &r.para, &r.text, doc.h(), 0x00500000), 0u);
}

TEST(CheckForText, WhatCountsAsText) {
    const struct {
        const char *item;
        uint32_t options;
        bool text;
    } cases[] = {
        {"text \"a\"", 0, true},
        {"224", 0, true},
        {"break PARAGRAPH", 0, true},
        {"break PARAGRAPH", 2, false},
        {"break 7", 0, false},
        {"table-begin\ntable-end", 0x10, true},
        {"table-begin\ntable-end", 0, false},
        {"special 3", 0, true},
        {"special 4", 0, false},
        {"ATTR_26", 0, true},
        {"ATTR_26", 4, false},
        {"45", 8, true},
        {"110", 0, false},
        {"LIST_ITEM 10 0 1", 0x20, true},
        {"LIST_ITEM 10 0 1", 0, false},
        {"STYLE 0 6", 0x20, true},
        {"STYLE 0 6", 0x120, true},
        {"STYLE 0 6", 0, false},
        {"begin 0x20000001\ntext \"a\"\nend", 0, false},
        {"begin 0x170000\ntext \"a\"\nend", 0, false},
        {"begin 0x160000\n@in: text \"a\"\nend", 0, true},
    };
    for (const auto &c : cases) {
        Doc doc(std::string(R"(
@r: style-record kind=4
@p: style-record kind=1
begin STYLE_DEFINITION 0 @r key=6
LIST_ITEM 10 0 1
end
@first: FONT_SIZE 1
)") + c.item + "\n@last: FONT_SIZE 2\n");
        Sheet sheet(doc);
        const uint32_t found = CUCheckForText(sheet.get(), doc["first"], doc["last"], c.options, doc.h());
        EXPECT_EQ(found != 0, c.text) << c.item << " options " << c.options;
    }
    Doc doc("@a: text \"a\"\n@b: text \"b\"\n");
    Sheet sheet(doc);
    EXPECT_EQ(CUCheckForText(sheet.get(), doc["b"], doc["a"], 0, doc.h()), 0u) << "last below first";
    EXPECT_EQ(CUCheckForText(sheet.get(), doc["a"], doc["b"], 0, doc.h()), doc["a"]);
}

}  // namespace
