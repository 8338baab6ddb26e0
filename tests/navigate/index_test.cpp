// The table index (store 14) and the tag list (store 16).
#include "navigate/chunk_doc.hpp"

#include <qrvex/navigate.h>

namespace {

using qrv::chunktest::ChunkDoc;

constexpr const char *kNestedTables = R"(
@before: item 8 2 1
@out:    table-begin
@a:        item 8 2 1
@in1:      table-begin
@b:          item 8 2 1
@in2:        table-begin
@in2end:     table-end
@in1end:   table-end
@c:        item 8 2 1
@outEnd: table-end
@after:  item 8 2 1
@next:   table-begin
@nextEnd: table-end
)";

TEST(TableIndex, NestedTablesEndAtTheOuterEnd) {
    const ChunkDoc d(kNestedTables);
    const struct {
        const char *begin;
        const char *end;
    } cases[] = {{"out", "outEnd"}, {"in1", "in1end"}, {"in2", "in2end"}, {"next", "nextEnd"}};
    for (const auto &c : cases) EXPECT_EQ(CUFindTableEndId(d[c.begin], d.h()), d[c.end]) << c.begin;
}

TEST(TableIndex, BeginOfTheInnermostTableAroundAnId) {
    const ChunkDoc d(kNestedTables);
    const struct {
        const char *id;
        const char *begin;  // nullptr: no table
    } cases[] = {{"a", "out"},   {"b", "in1"},        {"c", "out"},      {"in1", "in1"},
                 {"out", "out"}, {"before", nullptr}, {"after", nullptr}};
    for (const auto &c : cases)
        EXPECT_EQ(CUFindTableBeginId(d[c.id], 1, d.h()), c.begin ? d[c.begin] : CH_NO_ITEM) << c.id;
}

TEST(TableIndex, NoTablesGiveNoItem) {
    const ChunkDoc d("@x: item 8 2 1\n");
    EXPECT_EQ(CUFindTableBeginId(d["x"], 1, d.h()), CH_NO_ITEM);
    EXPECT_EQ(CUFindTableEndId(d["x"], d.h()), CH_NO_ITEM);
}

constexpr const char *kDefinitions = R"(
@s5:    begin STYLE_DEFINITION key=5
@s5in:    item 8 2 1
@s5end: end
@n5:    begin NUMBER_FORMAT key=5
@n5in:    item 8 2 1
@n5end: end
@s6:    begin STYLE_DEFINITION key=6
@s6in:    item 8 2 1
@s6end: end
)";

TEST(TagList, FoundInTheLockedRangeAndByWalkingPastIt) {
    const ChunkDoc d(kDefinitions);
    // Only the first two entries are counted: the third is reached by the walk.
    ASSERT_EQ(CHFaultReportCount(d.h(), CH_STORE_TAG_LIST, 2), 0u);
    const struct {
        uint32_t key;
        uint32_t code;
        uint32_t flags;
        const char *begin;
        const char *end;
        bool walked;
    } cases[] = {
        {5, CH_TAG_STYLE_DEFINITION, 0, "s5", "s5end", false},  {5, CH_TAG_STYLE_DEFINITION, 1, "s5in", "s5end", false},
        {5, CH_TAG_NUMBER_FORMAT, 0, "n5", "n5end", false},     {6, CH_TAG_STYLE_DEFINITION, 0, "s6", "s6end", true},
        {6, CH_TAG_STYLE_DEFINITION, 1, "s6in", "s6end", true},
    };
    for (const auto &c : cases) {
        d.reset_calls();
        uint32_t begin = 0, end = 0;
        EXPECT_EQ(CUGetTagListChangeId(c.key, c.code, c.flags, &begin, &end, d.h()), 0u) << c.key;
        EXPECT_EQ(begin, d[c.begin]) << c.key << " flags " << c.flags;
        EXPECT_EQ(end, d[c.end]) << c.key;
        EXPECT_EQ(d.calls(CH_OP_LOCK_RANGE), 1u);
        EXPECT_EQ(d.calls(CH_OP_NEXT_ITEM_ID) > 0, c.walked) << c.key;
    }
}

TEST(TagList, MissesAndRefusals) {
    const ChunkDoc d(kDefinitions);
    uint32_t begin = 0x1111, end = 0x2222;
    EXPECT_EQ(CUGetTagListChangeId(CH_NO_ITEM, CH_TAG_STYLE_DEFINITION, 0, &begin, &end, d.h()),
              uint32_t{QRV_E_NOT_FOUND});
    const uint32_t missing = CUGetTagListChangeId(7, CH_TAG_STYLE_DEFINITION, 0, &begin, &end, d.h());
    EXPECT_NE(missing, 0u) << "the walk past the entries ends with the chunker's code";
    EXPECT_EQ(begin, 0x1111u);
    EXPECT_EQ(end, 0x2222u);

    ASSERT_EQ(CHFaultAfterCalls(d.h(), CH_OP_LOCK_RANGE, CH_STORE_TAG_LIST, 1, 0x4321, 0), 0u);
    EXPECT_EQ(CUGetTagListChangeId(5, CH_TAG_STYLE_DEFINITION, 0, &begin, &end, d.h()), 0x4321u);
}

TEST(TagList, AnEntryWhoseTagIsGoneGivesNoEnd) {
    const ChunkDoc d(R"(
@x: item 8 2 1
record 16 0x7FFF0000 0xa008001c 9
)");
    uint32_t begin = 0, end = 0;
    EXPECT_EQ(CUGetTagListChangeId(9, CH_TAG_STYLE_DEFINITION, 1, &begin, &end, d.h()), 0u);
    EXPECT_EQ(begin, 0x7FFF0000u);
    EXPECT_EQ(end, CH_NO_ITEM);
}

}  // namespace
