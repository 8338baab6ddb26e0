// The change walk, item by item: fields and ChangeFlags of each handler.
#include "gather/walk_doc.hpp"

#include <functional>

namespace {

using namespace qrv::gathertest;
using T = CUTextChangeInfo;

TEST(CharacterAttributes, EachCodeSetsItsFieldAndBit) {
    const struct {
        uint32_t code;
        uint16_t T::*field;
        uint32_t flag;
    } cases[] = {
        {2, &T::Attr2, 1u << 0},    {3, &T::Attr3, 1u << 1},    {4, &T::Attr4, 1u << 5},    {42, &T::Attr4, 1u << 5},
        {46, &T::Attr4, 1u << 5},   {5, &T::Attr5, 1u << 6},    {6, &T::Attr6, 1u << 12},   {7, &T::Attr7, 1u << 22},
        {8, &T::Attr8, 1u << 23},   {9, &T::Attr9, 1u << 9},    {10, &T::Attr10, 1u << 3},  {11, &T::Attr11, 1u << 2},
        {12, &T::Attr12, 1u << 16}, {40, &T::Attr12, 1u << 16}, {13, &T::Attr13, 1u << 7},  {14, &T::Attr14, 1u << 8},
        {43, &T::Attr14, 1u << 8},  {44, &T::Attr14, 1u << 8},  {45, &T::Attr14, 1u << 8},  {15, &T::Attr15, 1u << 13},
        {16, &T::Attr16, 1u << 10}, {17, &T::Attr17, 1u << 11}, {18, &T::Attr18, 1u << 24}, {19, &T::Attr19, 1u << 14},
        {20, &T::Attr20, 1u << 15}, {21, &T::Attr21, 1u << 17}, {22, &T::Attr22, 1u << 25}, {38, &T::Attr38, 1u << 29},
        {39, &T::Attr39, 1u << 30},
    };
    for (const auto &c : cases) {
        Doc doc(run_of("CHAR_ATTR " + std::to_string(c.code) + " 1"));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet);
        EXPECT_EQ(w.result, 0u);
        EXPECT_EQ(w.records.text.*(c.field), 1) << c.code;
        EXPECT_EQ(w.records.text.ChangeFlags, c.flag) << c.code;
    }
}

TEST(CharacterAttributes, SwitchedOffAgain) {
    Doc doc(run_of("CHAR_ATTR 2 1\nCHAR_ATTR 2 0"));
    Sheet sheet(doc);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.records.text.Attr2, 0);
    EXPECT_EQ(w.records.text.ChangeFlags, 1u);
}

TEST(CharacterAttributes, IgnoredCodesAndValues) {
    for (const char *item : {"CHAR_ATTR 1 1", "CHAR_ATTR 23 1", "CHAR_ATTR 30 1", "CHAR_ATTR 37 1", "CHAR_ATTR 41 1",
                             "CHAR_ATTR 47 1", "CHAR_ATTR 0x10002 1", "CHAR_ATTR 2 2"}) {
        Doc doc(run_of(std::string(item) + "\nFONT_SIZE 12"));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet);
        EXPECT_EQ(w.records.text.ChangeFlags, CU_TEXT_CHANGED_FONT_SIZE) << item << ": ignored, and the walk goes on";
        EXPECT_EQ(w.stopped, doc["text"]) << item;
    }
}

using Check = std::function<void(const Records &)>;

struct HandlerCase {
    const char *items;
    uint32_t text_flags;
    uint32_t para_flags;
    Check check;
};

void run_cases(const HandlerCase *cases, size_t count, const Records &start = {}) {
    for (size_t i = 0; i < count; ++i) {
        const HandlerCase &c = cases[i];
        Doc doc(run_of(c.items));
        Sheet sheet(doc);
        const WalkResult w = walk(doc, sheet, start);
        SCOPED_TRACE(c.items);
        EXPECT_EQ(w.result, 0u);
        EXPECT_EQ(w.stopped, doc["text"]);
        EXPECT_EQ(w.records.text.ChangeFlags, c.text_flags);
        EXPECT_EQ(w.records.para.ChangeFlags, c.para_flags);
        if (c.check) c.check(w.records);
    }
}

TEST(TextItems, FieldsAndFlags) {
    const HandlerCase cases[] = {
        {"FONT_SIZE 0x10018", CU_TEXT_CHANGED_FONT_SIZE, 0,
         [](const Records &r) {
             EXPECT_EQ(r.text.FontSize, 24);
             EXPECT_EQ(r.para.MaxFontSize, 24u);
         }},
        {"FONT_SIZE 30\nFONT_SIZE 20", CU_TEXT_CHANGED_FONT_SIZE, 0,
         [](const Records &r) {
             EXPECT_EQ(r.text.FontSize, 20);
             EXPECT_EQ(r.para.MaxFontSize, 30u) << "the largest size met";
         }},
        {"ATTR_25 77", CU_TEXT_CHANGED_ITEM_25, 0, [](const Records &r) { EXPECT_EQ(r.text.Item25Value, 77u); }},
        {"ATTR_60 0 5", CU_TEXT_CHANGED_ITEM_60, 0, [](const Records &r) { EXPECT_EQ(r.text.Item60Data1, 5u); }},
        {"ATTR_60 1 5", 0, 0, [](const Records &r) { EXPECT_EQ(r.text.Item60Data1, 0u); }},
        {"ATTR_61 2 6", CU_TEXT_CHANGED_ITEM_61, 0, [](const Records &r) { EXPECT_EQ(r.text.Item61Data1, 6u); }},
        {"ATTR_61 3 6", 0, 0, nullptr},
        {"ATTR_62 0x10004 0x20003", CU_TEXT_CHANGED_ITEM_62, 0,
         [](const Records &r) {
             EXPECT_EQ(r.text.Item62Data1, 3);
             EXPECT_EQ(r.text.Item62Value, 4);
         }},
        {"ATTR_63 9", CU_TEXT_CHANGED_ATTR_4_ITEM_63, 0, [](const Records &r) { EXPECT_EQ(r.text.Item63Value, 9u); }},
        {"ATTR_64 1 0x10007", 0, 0, [](const Records &r) { EXPECT_EQ(r.text.Item64Value, 7); }},
        {"ATTR_64 1 7\nATTR_64 0 7", 0, 0, [](const Records &r) { EXPECT_EQ(r.text.Item64Value, 0); }},
        {"ATTR_65 0x10005", CU_TEXT_CHANGED_ITEM_65, 0, [](const Records &r) { EXPECT_EQ(r.text.Item65Value, 5); }},
        {"ATTR_94 0 5", CU_TEXT_CHANGED_ITEM_94, 0, [](const Records &r) { EXPECT_EQ(r.text.Item94Value, 5); }},
        {"ATTR_94 1 5", CU_TEXT_CHANGED_ITEM_94, 0, [](const Records &r) { EXPECT_EQ(r.text.Item94Value, -5); }},
    };
    run_cases(cases, std::size(cases));
}

TEST(ParagraphItems, FieldsAndFlags) {
    const HandlerCase cases[] = {
        {"ATTR_12 0x10003", 0, CU_PARA_CHANGED_ITEM_12, [](const Records &r) { EXPECT_EQ(r.para.Item12Value, 3); }},
        {"ATTR_14 2 9", 0, CU_PARA_CHANGED_ITEM_14,
         [](const Records &r) {
             EXPECT_EQ(r.para.Item14Value, 2);
             EXPECT_EQ(r.para.Item14Data1, 9u);
         }},
        {"ATTR_14 1 9", 0, 0, nullptr},
        {"ATTR_56 0x12345", 0, CU_PARA_CHANGED_ITEM_56,
         [](const Records &r) { EXPECT_EQ(r.para.Item56Value, 0x12345u); }},
        {"ATTR_57 0x10006", 0, CU_PARA_CHANGED_ITEM_57, [](const Records &r) { EXPECT_EQ(r.para.Item57Value, 6); }},
        {"ATTR_88 0x10001 0x10002 0x1ff", 0, 0,
         [](const Records &r) {
             EXPECT_EQ(r.para.Item88Value, 1);
             EXPECT_EQ(r.para.Item88Data1, 2);
             EXPECT_EQ(r.para.Item88Data2, 0xff);
         }},
        {"ATTR_98 4 44", 0, CU_PARA_CHANGED_ITEM_98,
         [](const Records &r) { EXPECT_EQ(r.para.Item98Value * 100 + r.para.Item98Data1, 444u); }},
        {"ATTR_99 5 55", 0, CU_PARA_CHANGED_ITEM_99,
         [](const Records &r) { EXPECT_EQ(r.para.Item99Value * 100 + r.para.Item99Data1, 555u); }},
        {"ATTR_103 8", 0, CU_PARA_CHANGED_ITEM_103, [](const Records &r) { EXPECT_EQ(r.para.Item103Value, 8u); }},
        {"OUTLINE_LEVEL 2", 0, CU_PARA_CHANGED_ITEM_137, [](const Records &r) { EXPECT_EQ(r.para.Item137Value, 2); }},
    };
    run_cases(cases, std::size(cases));
}

TEST(ParagraphItems, IndentsInEveryMode) {
    Records start;
    start.para.Indent0 = 100;
    start.para.Indent1 = 200;
    start.para.Indent2 = 300;
    const HandlerCase cases[] = {
        {"INDENTS 10 20 50", 0, CU_PARA_CHANGED_INDENT0 | CU_PARA_CHANGED_INDENT1 | CU_PARA_CHANGED_INDENT2,
         [](const Records &r) {
             EXPECT_EQ(r.para.Indent0, 10);
             EXPECT_EQ(r.para.Indent1, 20);
             EXPECT_EQ(r.para.Indent2, 40) << "measured from the first";
         }},
        {"INDENTS 50 0 10", 0, 0x70, [](const Records &r) { EXPECT_EQ(r.para.Indent2, 0xFFD8) << "16-bit"; }},
        {"INDENT_CHANGE 0 0 7", 0, CU_PARA_CHANGED_INDENT0, [](const Records &r) { EXPECT_EQ(r.para.Indent0, 7); }},
        {"INDENT_CHANGE 0 4 7", 0, CU_PARA_CHANGED_INDENT0, [](const Records &r) { EXPECT_EQ(r.para.Indent0, 107); }},
        {"INDENT_CHANGE 1 0 7", 0, CU_PARA_CHANGED_INDENT1, [](const Records &r) { EXPECT_EQ(r.para.Indent1, 7); }},
        {"INDENT_CHANGE 1 4 7", 0, CU_PARA_CHANGED_INDENT1, [](const Records &r) { EXPECT_EQ(r.para.Indent1, 207); }},
        {"INDENT_CHANGE 2 4 7", 0, CU_PARA_CHANGED_INDENT2, [](const Records &r) { EXPECT_EQ(r.para.Indent2, 307); }},
        {"INDENT_CHANGE 2 2 7", 0, CU_PARA_CHANGED_INDENT2, [](const Records &r) { EXPECT_EQ(r.para.Indent2, 7); }},
        {"INDENT_CHANGE 2 0 150", 0, CU_PARA_CHANGED_INDENT2, [](const Records &r) { EXPECT_EQ(r.para.Indent2, 50); }},
        {"INDENT_CHANGE 3 0 7", 0, 0,
         [](const Records &r) { EXPECT_EQ(r.para.Indent0 + r.para.Indent1 + r.para.Indent2, 600); }},
    };
    run_cases(cases, std::size(cases), start);
}

TEST(CellItems, Words) {
    const HandlerCase cases[] = {
        {"SS_CELL_70 0 0 0x00090000", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item147Value, 9u); }},
        {"SS_CELL_71 0 0 0xffff0000", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item147Value, 0xffffu); }},
        {"CELL_147 3", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item147Value, 3u); }},
        {"CELL_148 4", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item148Value, 4u); }},
        {"CELL_150 0x12345", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item150Value, 0x2345u); }},
        {"CELL_151 6", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item151Value, 6u); }},
        {"CELL_152 7", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item152Value, 7u); }},
        {"CELL_153 8", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item153Value, 8u); }},
        {"CELL_154 2 100", 0, 0,
         [](const Records &r) {
             EXPECT_EQ(r.cell.Item154Value, 2u);
             EXPECT_EQ(r.cell.Item154Data1Scaled, 255u);
         }},
        {"CELL_154 2 50", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item154Data1Scaled, 127u); }},
        {"CELL_154 2 0", 0, 0, [](const Records &r) { EXPECT_EQ(r.cell.Item154Data1Scaled, 0u); }},
    };
    run_cases(cases, std::size(cases));
}

TEST(ListItems, LevelsAndKinds) {
    Records deep;
    deep.para.ListLevel = 13;
    const HandlerCase from_deep[] = {
        {"LIST_ITEM 10 2 1", 0, 0, [](const Records &r) { EXPECT_EQ(r.para.ListLevel, 0u); }},
    };
    run_cases(from_deep, std::size(from_deep), deep);
    const HandlerCase cases[] = {
        {"LIST_ITEM 10 2 1", 0, CU_PARA_CHANGED_LIST_LEVEL,
         [](const Records &r) {
             EXPECT_EQ(r.para.ListLevel, 3u);
             EXPECT_EQ(r.para.ListKind, 1u);
         }},
        {"LIST_ITEM 10 2 0x10001", 0, CU_PARA_CHANGED_LIST_LEVEL,
         [](const Records &r) { EXPECT_EQ(r.para.ListLevel, 3u) << "only the low half is the kind"; }},
        {"LIST_ITEM 10 2 0x80000001", 0, CU_PARA_CHANGED_LIST_LEVEL,
         [](const Records &r) {
             EXPECT_EQ(r.para.ListLevel, 0u);
             EXPECT_EQ(r.para.ListKind, 0x80000001u);
         }},
        {"LIST_ITEM 10 2 2", 0, CU_PARA_CHANGED_LIST_LEVEL, [](const Records &r) { EXPECT_EQ(r.para.ListLevel, 0u); }},
        {"LIST_ITEM 9 2 1", 0, 0, nullptr},
        {"LIST_LEVEL 5", 0, CU_PARA_CHANGED_LIST_LEVEL, [](const Records &r) { EXPECT_EQ(r.para.ListLevel, 5u); }},
        {"LIST_LEVEL 2\nATTR_30 10 2 77", 0, CU_PARA_CHANGED_LIST_LEVEL | CU_PARA_CHANGED_ITEM_30,
         [](const Records &r) {
             EXPECT_EQ(r.para.Item30Data1Plus1, 3u);
             EXPECT_EQ(r.para.Item30Data2, 77u);
         }},
        {"LIST_LEVEL 2\nATTR_30 10 1 77", 0, CU_PARA_CHANGED_LIST_LEVEL, nullptr},
    };
    run_cases(cases, std::size(cases));
}

TEST(ListItems, LevelDataFromStore3) {
    Doc doc(run_of("LIST_LEVEL_DATA 10 0 @lv\nLIST_LEVEL_DATA 9 0 99999", "@lv: list-level word1=1 key=42 word9=9\n"));
    Sheet sheet(doc);
    const WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.result, 0u);
    EXPECT_EQ(w.records.para.ListFlags, 1u);
    EXPECT_EQ(w.records.para.ListLevelInfo[0], 1u);
    EXPECT_EQ(w.records.para.ListLevelInfo[6], 42u);
    EXPECT_EQ(w.records.para.ListLevelInfo[8], 9u);
    Doc bad(run_of("FONT_SIZE 5\nLIST_LEVEL_DATA 10 0 99999\nFONT_SIZE 7"));
    const WalkResult failed = walk(bad, Sheet(bad));
    EXPECT_NE(failed.result, 0u) << "a failed read ends the walk with its code";
    EXPECT_EQ(failed.records.text.FontSize, 5) << "what was gathered stays";
}

std::string data_block(const char *label, int size, int first) {
    std::string line = std::string(label) + ": bytes STYLE_DATA";
    for (int i = 0; i < size; ++i) line += " " + std::to_string((first + i) & 0xff);
    return line + "\n";
}

TEST(ParagraphItems, BlocksOfItems58And59) {
    const std::string blocks = data_block("@b58", 104, 1) + data_block("@b59", 20, 200);
    Doc doc(run_of("ATTR_58 1 @b58\nATTR_59 1 @b59", blocks));
    Sheet sheet(doc);
    WalkResult w = walk(doc, sheet);
    EXPECT_EQ(w.records.para.ChangeFlags, CU_PARA_CHANGED_ITEM_58 | CU_PARA_CHANGED_ITEM_59);
    EXPECT_EQ(w.records.para.Item58Data[0], 1);
    EXPECT_EQ(w.records.para.Item58Data[103], 104);
    EXPECT_EQ(w.records.para.Item59Data[19], 219);

    Doc clear(run_of("ATTR_58 0\nATTR_59 2"));
    const WalkResult cleared = walk(clear, Sheet(clear), w.records);
    EXPECT_EQ(cleared.records.para.ChangeFlags, 0u);
    EXPECT_EQ(cleared.records.para.Item58Data[0], 0);
    EXPECT_EQ(cleared.records.para.Item59Data[19], 0);

    // A lock that fails leaves the record as it was and the walk goes on.
    Doc failing(run_of("ATTR_58 1 @b58\nATTR_59 1 @b59\nFONT_SIZE 3", blocks));
    CHFaultAtId(failing.h(), CH_OP_LOCK_RANGE, CH_STORE_STYLE_DATA, failing["b58"], 0x77);
    CHFaultAtId(failing.h(), CH_OP_LOCK_RANGE, CH_STORE_STYLE_DATA, failing["b59"], 0x77);
    Records before;
    before.para.Item58Data[0] = 0xEE;
    const WalkResult kept = walk(failing, Sheet(failing), before);
    EXPECT_EQ(kept.result, 0u);
    EXPECT_EQ(kept.records.para.ChangeFlags, 0u);
    EXPECT_EQ(kept.records.para.Item58Data[0], 0xEE);
    EXPECT_EQ(kept.records.text.FontSize, 3);
}

}  // namespace
