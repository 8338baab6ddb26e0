// The style sheet: numbering, slot rotation, names and the style queries.
#include "styles/style_doc.hpp"

#include <qrvplatform/platform.h>

#include <string>

namespace {

using namespace qrv::styletest;

constexpr const char *kEmpty = "text \"x\"\n";

TEST(StyleSheet, NumbersEachStyleOnceInOrderOfSight) {
    Doc doc(kEmpty);
    Sheet sheet(doc);
    const struct {
        uint32_t style_id;
        int32_t index;
    } cases[] = {{70, 0}, {3, 1}, {70, 0}, {9, 2}, {3, 1}};
    for (const auto &c : cases) EXPECT_EQ(CIStyleNumber(sheet.get(), c.style_id), c.index) << c.style_id;
    EXPECT_EQ(sheet->StyleCount, 3u);
    EXPECT_EQ(sheet.entry(1).SlotNumber, sheet->SlotCount + 1) << "a new entry has no slot";
    EXPECT_EQ(CIStyleNumber(nullptr, 1), -1);
}

TEST(StyleSheet, TableGrowsByTenAndCountsItsBytes) {
    Doc doc(kEmpty);
    Sheet sheet(doc);
    for (uint32_t id = 0; id < 25; ++id) ASSERT_EQ(CIStyleNumber(sheet.get(), 100 + id), static_cast<int32_t>(id));
    EXPECT_EQ(sheet->StyleCapacity, 30u);
    EXPECT_EQ(sheet->Memory.BytesHeld, 30 * sizeof(CUStyleEntry));
    for (uint32_t id = 0; id < 25; ++id) EXPECT_EQ(sheet.entry(id).Id, 100 + id);
}

TEST(StyleSheet, MemoryFailuresGiveThirteenAndLeakNothing) {
    Doc doc(kEmpty);
    const size_t live = QrvGlobalLiveBlocks();
    CUStyleSheet *none = nullptr;
    QrvGlobalFailAfter(1);
    EXPECT_EQ(CUCreateStyleSheet(&none, 2, doc.h()), 13u);
    QrvGlobalFailAfter(0);
    EXPECT_EQ(none, nullptr);
    {
        Sheet sheet(doc);
        QrvGlobalFailAfter(1);
        EXPECT_EQ(CIStyleNumber(sheet.get(), 5), 13);
        QrvGlobalFailAfter(0);
        EXPECT_EQ(sheet->StyleCount, 0u);
        QrvGlobalFailAfter(1);  // the slot array
        CUStyleSlot *slot = nullptr;
        uint32_t index = 0;
        EXPECT_EQ(CULoadStyle(sheet.get(), 5, 0, &slot, &index), 13u);
        QrvGlobalFailAfter(0);
        EXPECT_EQ(slot, nullptr);
        EXPECT_EQ(CULoadStyle(sheet.get(), 5, 0, &slot, &index), 0u) << "works once memory is back";
    }
    EXPECT_EQ(QrvGlobalLiveBlocks(), live);
}

TEST(StyleSheet, RejectsUnusableArguments) {
    Doc doc(kEmpty);
    CUStyleSheet *sheet = nullptr;
    EXPECT_EQ(CUCreateStyleSheet(nullptr, 1, doc.h()), 15u);
    EXPECT_EQ(CUDestroyStyleSheet(&sheet), 0u);
    EXPECT_EQ(CUDestroyStyleSheet(nullptr), 0u);
    uint32_t slot_number = 0;
    EXPECT_EQ(CIGetSlot(nullptr, &slot_number), nullptr);
}

// A sheet made with no slots numbers and describes styles; whatever needs a
// slot gives 15 (or no slot) and leaves the sheet as it was.
TEST(StyleSheet, WithoutSlots) {
    Doc doc(R"(
@r: style-record kind=1 predefined=3
begin STYLE_DEFINITION 0 @r key=1
item ATTR_25 5
end
@apply: STYLE 0 1
text "x"
)");
    Sheet sheet(doc, 0);
    ASSERT_NE(sheet.get(), nullptr);
    EXPECT_EQ(sheet->SlotCount, 0u);
    EXPECT_EQ(sheet->DefaultSlot.Loaded, 1u);
    CUStyleSlot *slot = nullptr;
    uint32_t index = 77;
    EXPECT_EQ(CULoadStyle(sheet.get(), 1, 0, &slot, &index), 15u);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(index, 77u);
    EXPECT_EQ(sheet->SlotArray, nullptr);
    uint32_t slot_number = 0;
    EXPECT_EQ(CIGetSlot(sheet.get(), &slot_number), nullptr);
    Records r;
    EXPECT_EQ(gather_from(doc, sheet, r, doc["apply"]), 15u) << "a style item cannot load its style";
    EXPECT_EQ(CIStyleNumber(sheet.get(), 1), 0);
    EXPECT_EQ(CUCheckStyleType(doc.h(), 1), 1u);
}

TEST(StyleSheet, DefaultSlotIsLoadedWithItsCellValues) {
    Doc doc(kEmpty);
    Sheet sheet(doc);
    const CUStyleSlot &d = sheet->DefaultSlot;
    EXPECT_EQ(d.Loaded, 1u);
    EXPECT_EQ(d.Cell.Item147Value, 5u);
    EXPECT_EQ(d.Cell.Item148Value, 0x20000u);
    EXPECT_EQ(d.Cell.Item153Value, 0xFFFFFFFFu);
    EXPECT_EQ(d.Text.ChangeFlags | d.Para.ChangeFlags, 0u);
    EXPECT_EQ(sheet->ListStyleId, CH_NO_ITEM);
}

// With three slots, the fourth request takes slot 0 again and every entry
// that held slot 0 loses it.
TEST(StyleSheet, SlotsRotate) {
    Doc doc(kEmpty);
    Sheet sheet(doc, 3);
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
    ASSERT_EQ(CULoadStyle(sheet.get(), 1, 0, &slot, &index), 0u);  // makes the slot array
    const uint32_t none = sheet->SlotCount + 1;
    for (uint32_t id : {10u, 11u, 12u}) {
        const uint32_t i = static_cast<uint32_t>(CIStyleNumber(sheet.get(), id));
        sheet->StyleTable[i].SlotNumber = none;
    }
    sheet->NextSlot = 0;
    sheet->StyleTable[0].SlotNumber = none;
    std::vector<uint32_t> taken;
    for (uint32_t i = 1; i <= 4; ++i) {
        uint32_t number = none;
        CUStyleSlot *s = CIGetSlot(sheet.get(), &number);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s, &sheet->SlotArray[number]);
        taken.push_back(number);
        if (i <= 3) sheet->StyleTable[i].SlotNumber = number;
    }
    EXPECT_EQ(taken, (std::vector<uint32_t>{0, 1, 2, 0}));
    EXPECT_EQ(sheet.entry(1).SlotNumber, none) << "lost slot 0 to the fourth request";
    EXPECT_EQ(sheet.entry(2).SlotNumber, 1u);
    uint32_t kept = 2;
    sheet->SlotArray[2].Loaded = 1;
    EXPECT_EQ(CIGetSlot(sheet.get(), &kept), &sheet->SlotArray[2]);
    EXPECT_EQ(sheet->SlotArray[2].Loaded, 1u) << "a held slot is handed back untouched";
}

std::string heading_doc(const char *name) { return std::string("@n: string \"") + name + "\"\ntext \"x\"\n"; }

TEST(StyleNames, HeadingNumbers) {
    const struct {
        const char *name;
        uint32_t level;
    } cases[] = {
        {"Heading 3", 4},  {"HEADING 3", 4},  {"heading  3", 4}, {"heading3", 0},   {"heading 0", 0},
        {"heading 10", 2}, {"Heading 9", 10}, {"heading", 0},    {"headings 5", 6}, {"Heading x7", 8},
    };
    for (const auto &c : cases) {
        Doc doc(heading_doc(c.name));
        Sheet sheet(doc);
        EXPECT_EQ(CUStyleCheckHeadingStyle(sheet.get(), doc["n"]), c.level) << c.name;
    }
}

TEST(StyleNames, TitleAndTypeQueriesByIndex) {
    Doc doc(R"(
@t: string "TiTle"
@h: string "Heading 2"
@rt: style-record kind=1 predefined=7 name=@t
@rh: style-record kind=1 name=@h
begin STYLE_DEFINITION 0 @rt key=1
item OUTLINE_LEVEL 2
end
begin STYLE_DEFINITION 0 @rh key=2
end
text "x"
)");
    Sheet sheet(doc);
    CUStyleSlot *slot = nullptr;
    uint32_t title = 0, heading = 0;
    ASSERT_EQ(CULoadStyle(sheet.get(), 1, 0, &slot, &title), 0u);
    ASSERT_EQ(CULoadStyle(sheet.get(), 2, 0, &slot, &heading), 0u);
    EXPECT_EQ(CUStyleCheckTitleStyle(sheet.get(), title), 1u);
    EXPECT_EQ(CUStyleCheckTitleStyle(sheet.get(), heading), 0u);
    EXPECT_EQ(CUStyleGetPredefinedType(sheet.get(), title), 7);
    EXPECT_EQ(CUStyleGetPredefinedType(sheet.get(), heading), 3) << "from the name";
    EXPECT_EQ(CUStyleGetOutlineLevel(sheet.get(), title), 3);
    EXPECT_EQ(CUStyleGetOutlineLevel(sheet.get(), heading), 0);
    const uint32_t count = sheet->StyleCount;
    EXPECT_EQ(CUStyleGetPredefinedType(sheet.get(), count), -1);
    EXPECT_EQ(CUStyleGetOutlineLevel(sheet.get(), count), -1);
    EXPECT_EQ(CUStyleGetPredefinedType(nullptr, 0), -1);
    EXPECT_EQ(CUStyleCheckTitleStyle(sheet.get(), count), 0u);
}

TEST(StyleType, KindFromTheRecordOrAnError) {
    Doc doc(R"(
@r: style-record kind=4
begin STYLE_DEFINITION 0 @r key=8
end
begin STYLE_DEFINITION 0 100000 key=9
end
text "x"
)");
    EXPECT_EQ(CUCheckStyleType(doc.h(), 8), 4u);
    EXPECT_EQ(CUCheckStyleType(doc.h(), 9), 25u) << "record beyond store 3";
    EXPECT_EQ(CUCheckStyleType(doc.h(), 77), 25u) << "no definition";
    EXPECT_EQ(CUCheckStyleType(0, 8), 15u);
    EXPECT_EQ(CUCheckStyleType(doc.h(), CH_NO_ITEM), 15u);
}

}  // namespace
