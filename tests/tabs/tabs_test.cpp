// Tab lists, tab modifications and the tab stops of a list level.
#include "styles/style_doc.hpp"

#include <qrvex/tabs.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace qrv::styletest;

std::vector<uint32_t> positions(const CUParaChangeInfo &p) {
    std::vector<uint32_t> v;
    for (uint16_t i = 0; i < p.TabCount; ++i) v.push_back(p.TabStops[i].Position);
    return v;
}

std::string stops(std::initializer_list<uint32_t> at) {
    std::string s;
    for (uint32_t p : at) s += "TAB_STOP 1 0 " + std::to_string(p) + "\n";
    return s;
}

TEST(TabList, ReplacesTheStopsAndCutsAt32) {
    std::string text = "@first: TAB_STOP 0x10002 0x00050004 7\n";
    for (uint32_t i = 1; i < 40; ++i) text += "TAB_STOP 1 0 " + std::to_string(i * 10) + "\n";
    text += "@end: TAB_LIST_END\n@after: text \"x\"\n";
    Doc doc(text);
    CUParaChangeInfo para{};
    uint32_t id = doc["first"];
    EXPECT_EQ(CUParseParaTabs(doc.h(), &id, &para, 32), 0u);
    EXPECT_EQ(id, doc["after"]);
    EXPECT_EQ(para.TabCount, 32);
    EXPECT_EQ(para.TabStops[31].Position, 310u) << "the first 32 in item order";
}

// The record as a filter reads it: each stop four 32-bit words from byte 264
// on (kind, the two halves of data1, position), the count at byte 776.
TEST(TabList, StopsAreFourWordsEachAndTheCountFollowsThem) {
    Doc doc("@first: TAB_STOP 0xABC10002 0x00050004 7\nTAB_STOP 1 0xFFFF0000 0x12345678\nTAB_LIST_END\n");
    CUParaChangeInfo para;
    std::memset(&para, 0xEE, sizeof para);
    uint32_t id = doc["first"];
    ASSERT_EQ(CUParseParaTabs(doc.h(), &id, &para, 32), 0u);
    const auto *bytes = reinterpret_cast<const unsigned char *>(&para);
    const struct { uint32_t words[4]; } stops[] = {{{2, 4, 5, 7}}, {{1, 0, 0xFFFF, 0x12345678}}};
    for (size_t i = 0; i < std::size(stops); ++i) {
        uint32_t words[4];
        std::memcpy(words, bytes + 264 + 16 * i, sizeof words);
        for (int w = 0; w < 4; ++w) EXPECT_EQ(words[w], stops[i].words[w]) << "stop " << i << " word " << w;
    }
    uint16_t count = 0;
    std::memcpy(&count, bytes + 776, sizeof count);
    EXPECT_EQ(count, 2);
}

TEST(TabList, EmptyListClearsAndFailuresKeepWhatWasRead) {
    Doc doc("@first: TAB_LIST_END\n@more: " + stops({30, 10}) + "@bad: TAB_STOP 1 0 5\n");
    CUParaChangeInfo para{};
    para.TabCount = 5;
    uint32_t id = doc["first"];
    EXPECT_EQ(CUParseParaTabs(doc.h(), &id, &para, 32), 0u);
    EXPECT_EQ(para.TabCount, 0);
    CHFaultAtId(doc.h(), CH_OP_GET_ITEM, CH_STORE_ITEMS, doc["bad"], 0x66);
    id = doc["more"];
    EXPECT_EQ(CUParseParaTabs(doc.h(), &id, &para, 32), 0x66u);
    EXPECT_EQ(positions(para), (std::vector<uint32_t>{30, 10})) << "kept in item order, unsorted";
    EXPECT_EQ(id, doc["bad"]);
}

struct ModCase {
    const char *name;
    std::vector<uint32_t> before;
    std::string items;
    std::vector<uint32_t> after;
};

TEST(TabChanges, AddReplaceAndClear) {
    const ModCase cases[] = {
        {"added in order", {}, stops({300, 100, 200}), {100, 200, 300}},
        {"same position replaces", {100, 200}, "TAB_STOP 9 0 200\n", {100, 200}},
        {"clear 150..250 inclusive", {100, 150, 200, 250, 300}, "TAB_CLEAR 200 100\n", {100, 300}},
        {"width 1 clears only the centre", {199, 200, 201}, "TAB_CLEAR 200 1\n", {199, 201}},
        {"centre below half the width wraps", {0, 10, 20}, "TAB_CLEAR 10 100\n", {0, 10, 20}},
        {"clear nothing", {100}, "TAB_CLEAR 500 10\n", {100}},
        {"clear then add", {100, 200}, "TAB_CLEAR 100 0\n" + stops({50}), {50, 200}},
    };
    for (const auto &c : cases) {
        Doc doc("@first: " + c.items + "TAB_MOD_END\n@after: text \"x\"\n");
        CUParaChangeInfo para{};
        for (uint32_t p : c.before) para.TabStops[para.TabCount++].Position = p;
        uint32_t id = doc["first"];
        EXPECT_EQ(CUParseParaTabMod(doc.h(), &id, &para, 32), 0u) << c.name;
        EXPECT_EQ(positions(para), c.after) << c.name;
        EXPECT_EQ(id, doc["after"]) << c.name;
    }
    Doc replaced("@first: TAB_STOP 9 0 200\nTAB_MOD_END\n");
    CUParaChangeInfo para{};
    para.TabStops[0].Position = 200;
    para.TabCount = 1;
    uint32_t id = replaced["first"];
    CUParseParaTabMod(replaced.h(), &id, &para, 32);
    EXPECT_EQ(para.TabStops[0].Kind, 9);
}

TEST(TabChanges, FullListDropsEvenAReplacement) {
    Doc doc("@first: TAB_STOP 9 0 40\nTAB_STOP 9 0 5\nTAB_MOD_END\n");
    CUParaChangeInfo para{};
    for (uint32_t i = 0; i < 32; ++i) para.TabStops[para.TabCount++].Position = (i + 1) * 10;
    uint32_t id = doc["first"];
    EXPECT_EQ(CUParseParaTabMod(doc.h(), &id, &para, 32), 0u);
    EXPECT_EQ(para.TabCount, 32);
    EXPECT_EQ(para.TabStops[3].Kind, 0) << "position 40 not replaced";
    EXPECT_EQ(para.TabStops[0].Position, 10u);
}

// A counted list item (list style 6, level 1) whose level's definition
// (key 50) holds a tab list and a modification.
constexpr const char *kListLevelTabs = R"(
@r: style-record kind=4
@lv: list-level key=50
begin STYLE_DEFINITION 0 @r key=6
LIST_LEVEL_DATA 0 0 @lv
end
begin LIST_LEVEL_DEF key=50
TAB_LIST_BEGIN
TAB_STOP 1 0 720
TAB_LIST_END
begin 0x20000003
TAB_LIST_BEGIN
TAB_STOP 1 0 1
TAB_LIST_END
end
TAB_MOD_BEGIN
TAB_STOP 1 0 360
TAB_MOD_END
end
@para: STYLE 0 6
LIST_ITEM 10 0 1
TAB_MOD_BEGIN
TAB_STOP 1 0 1000
TAB_MOD_END
TAB_MOD_BEGIN
TAB_STOP 1 0 1100
TAB_MOD_END
@text: text "x"
@list: STYLE 0 6
LIST_ITEM 10 0 1
TAB_LIST_BEGIN
TAB_STOP 1 0 50
TAB_LIST_END
text "y"
)";

TEST(ListLevelTabs, MergedOncePerParagraph) {
    Doc doc(kListLevelTabs);
    Sheet sheet(doc);
    Records r;
    uint32_t stopped = 0;
    ASSERT_EQ(gather_from(doc, sheet, r, doc["para"], CH_NO_ITEM, &stopped), 0u);
    EXPECT_EQ(stopped, doc["text"]);
    EXPECT_EQ(positions(r.para), (std::vector<uint32_t>{360, 720, 1000, 1100}));
    EXPECT_TRUE(r.para.ChangeFlags & CU_PARA_CHANGED_LIST_TABS);

    Records listed;
    ASSERT_EQ(gather_from(doc, sheet, listed, doc["list"]), 0u);
    EXPECT_EQ(positions(listed.para), (std::vector<uint32_t>{50})) << "a tab list replaces the level's stops";
}

TEST(ListLevelTabs, DirectCallsAndMissingDefinitions) {
    Doc doc(kListLevelTabs);
    Sheet sheet(doc);
    CUParaChangeInfo para{};
    para.ListStyleIndex = CIStyleNumber(sheet.get(), 6);
    para.ListLevel = 1;
    EXPECT_EQ(CUGatherCounterTabStopInfo(sheet.get(), &para, doc.h()), 0u);
    EXPECT_EQ(positions(para), (std::vector<uint32_t>{360, 720}));
    EXPECT_EQ(para.ListLevelInfo[6], 50u);

    para.ListLevel = 2;  // level 1 of the style names no definition
    para.TabCount = 0;
    EXPECT_NE(CUGatherCounterTabStopInfo(sheet.get(), &para, doc.h()), 0u);
    EXPECT_EQ(para.TabCount, 0);
    para.ListStyleIndex = 40;
    EXPECT_EQ(CUGatherCounterTabStopInfo(sheet.get(), &para, doc.h()), 37u);
}

}  // namespace
