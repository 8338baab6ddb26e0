// List styles: the levels cached in the sheet and the records a paragraph's
// list level receives.
#include "styles/style_doc.hpp"

namespace {

using namespace qrv::styletest;

// List style 6 defines levels 0 and 2 (and an item for level 12, which is no
// level).  Level 0's own definition (key 50) places a counter, level 2's
// (key 52) does not.
constexpr const char *kListStyle = R"(
@r: style-record kind=4
@l0: list-level bullet=0x2022 counter=11 key=50 numbering=0x20003
@l2: list-level bullet=0x25e6 counter=13 key=52 numbering=0x100004
@l12: list-level counter=99
begin STYLE_DEFINITION 0 @r key=6
LIST_LEVEL_DATA 0 0 @l0
LIST_LEVEL_DATA 0 2 @l2
LIST_LEVEL_DATA 0 12 @l12
end
begin LIST_LEVEL_DEF key=50
COUNTER_PLACEMENT
end
begin LIST_LEVEL_DEF key=52
text "-"
end
text "x"
)";

TEST(ListStyle, FillsOnlyTheLevelsItNames) {
    Doc doc(kListStyle);
    Sheet sheet(doc);
    sheet->ListLevels[1].CounterWord = 0xAAAA;
    ASSERT_EQ(CULoadListStyle(sheet.get(), 6), 0u);
    EXPECT_EQ(sheet->ListStyleId, 6u);
    EXPECT_EQ(sheet->ListLevels[0].CounterWord, 11u);
    EXPECT_EQ(sheet->ListLevels[2].CounterWord, 13u);
    EXPECT_EQ(sheet->ListLevels[1].CounterWord, 0xAAAAu) << "level 1 keeps its content";
    for (const CUListLevelRecord &level : sheet->ListLevels) EXPECT_NE(level.CounterWord, 99u);
}

TEST(ListStyle, StylesWithoutLevelsOrDefinitions) {
    Doc doc(R"(
@r: style-record kind=4
begin STYLE_DEFINITION 0 @r key=7
end
text "x"
)");
    Sheet sheet(doc);
    sheet->ListStyleId = 3;
    EXPECT_EQ(CULoadListStyle(sheet.get(), 7), 0u);
    EXPECT_EQ(sheet->ListStyleId, CH_NO_ITEM) << "no level found";
    EXPECT_NE(CULoadListStyle(sheet.get(), 8), 0u) << "no definition";
    EXPECT_EQ(sheet->ListStyleId, CH_NO_ITEM);
    EXPECT_EQ(CULoadListStyle(nullptr, 7), 37u);
}

TEST(ListStyle, LevelRecordsWithAndWithoutCounter) {
    Doc doc(kListStyle);
    Sheet sheet(doc);
    const struct {
        uint32_t level;
        uint32_t counter;
        uint32_t numbering;
        uint16_t bullet;
    } cases[] = {
        {0, 11, 0x20003, 0x2022},  // as stored: its definition places a counter
        {2, 0, 8, 0x25e6},         // no counter placement: a bullet
    };
    for (const auto &c : cases) {
        CUListLevelRecord record{};
        ASSERT_EQ(CULoadListLevelStyle(sheet.get(), 6, c.level, &record), 0u) << c.level;
        EXPECT_EQ(record.CounterWord, c.counter) << c.level;
        EXPECT_EQ(record.Numbering, c.numbering) << c.level;
        EXPECT_EQ(record.BulletChar, c.bullet) << c.level;
    }
    EXPECT_EQ(sheet->ListLevels[2].CounterWord, 13u) << "the cached level is not changed";
}

TEST(ListStyle, LoadsTheStyleOnceForSeveralLevels) {
    Doc doc(kListStyle);
    Sheet sheet(doc);
    CUListLevelRecord record{};
    ASSERT_EQ(CULoadListLevelStyle(sheet.get(), 6, 0, &record), 0u);
    doc.reset_calls();
    ASSERT_EQ(CULoadListLevelStyle(sheet.get(), 6, 2, &record), 0u);
    EXPECT_EQ(doc.calls(CH_OP_GET_ITEMS), 0u) << "no level record read again";
}

TEST(ListStyle, RefusedLevelRequests) {
    Doc doc(kListStyle);
    Sheet sheet(doc);
    CUListLevelRecord record{};
    const struct {
        uint32_t style_id;
        uint32_t level;
        uint32_t result;
    } cases[] = {{6, 12, 37}, {CH_NO_ITEM, 0, 37}, {99, 0, 37}};
    for (const auto &c : cases)
        EXPECT_EQ(CULoadListLevelStyle(sheet.get(), c.style_id, c.level, &record), c.result) << c.style_id;
    EXPECT_NE(CULoadListLevelStyle(sheet.get(), 6, 1, &record), 0u) << "level 1 has no definition of its own";
}

TEST(ListStyle, CounterPlacementInARange) {
    Doc doc(R"(
@a: text "a"
@c: COUNTER_PLACEMENT
@b: text "b"
begin 0x20000001
end
)");
    const struct {
        const char *from;
        const char *limit;
        uint32_t expected;
    } cases[] = {{"a", "b", 1}, {"a", "c", 0}, {"c", "c", 0}, {"b", "a", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(CURangeHasPutCounter(doc[c.from], doc[c.limit], doc.h()), c.expected) << c.from << ".." << c.limit;
    EXPECT_EQ(CURangeHasPutCounter(doc["a"], CH_NO_ITEM, doc.h()), 1u);
}

}  // namespace
