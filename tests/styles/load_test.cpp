// Loading styles: inheritance along based-on chains, the slot cache, the
// rotation, and documents whose styles are based on themselves.
#include "styles/style_doc.hpp"

#include <qrvplatform/platform.h>

#include <string>
#include <vector>

namespace {

using namespace qrv::styletest;

struct Loaded {
    uint32_t result = 0;
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
};

Loaded load(const Sheet &sheet, uint32_t style_id, uint32_t para_style_id = 0) {
    Loaded l;
    l.result = CULoadStyle(sheet.get(), style_id, para_style_id, &l.slot, &l.index);
    return l;
}

// Style 3 is based on 2, which is based on 1.  1 sets a font size, item 25
// and a tab; 2 overrides item 25 and its tabs; 3 sets only attribute 2.
constexpr const char *kChain = R"(
@r1: style-record kind=1 parent=-1
@r2: style-record kind=1 parent=1
@r3: style-record kind=1 parent=2
begin STYLE_DEFINITION 0 @r1 key=1
item FONT_SIZE 20
item ATTR_25 7
item OUTLINE_LEVEL 1
TAB_LIST_BEGIN
TAB_STOP 0 0 100
TAB_LIST_END
end
begin STYLE_DEFINITION 0 @r2 key=2
item ATTR_25 8
TAB_LIST_BEGIN
TAB_STOP 0 0 300
TAB_STOP 0 0 400
TAB_LIST_END
end
begin STYLE_DEFINITION 0 @r3 key=3
item CHAR_ATTR 2 1
end
text "x"
)";

TEST(LoadStyle, BasedOnChainInheritsInOrder) {
    Doc doc(kChain);
    Sheet sheet(doc, 8);
    const Loaded l = load(sheet, 3);
    ASSERT_EQ(l.result, 0u);
    const CUStyleSlot &s = *l.slot;
    EXPECT_EQ(s.Text.Attr2, 1);
    EXPECT_EQ(s.Text.Item25Value, 8u) << "the nearer parent wins";
    EXPECT_TRUE(s.Text.ChangeFlags & CU_TEXT_CHANGED_ITEM_25);
    EXPECT_EQ(s.Text.FontSize, 0) << "font size is not inherited";
    ASSERT_EQ(s.Para.TabCount, 2);
    EXPECT_EQ(s.Para.TabStops[0].Position, 300u);
    EXPECT_EQ(sheet.entry(l.index).ParentId, 2u);
    EXPECT_EQ(CUStyleGetOutlineLevel(sheet.get(), l.index), 0) << "only a direct parent's outline level passes";
    const Loaded parent = load(sheet, 2);
    EXPECT_EQ(CUStyleGetOutlineLevel(sheet.get(), parent.index), 2);
    EXPECT_EQ(sheet->StyleCount, 3u);
}

TEST(LoadStyle, ParagraphStylesAreReadOnceListStylesEveryTime) {
    Doc doc(R"(
@rp: style-record kind=1
@rl: style-record kind=4
begin STYLE_DEFINITION 0 @rp key=1
item FONT_SIZE 20
end
begin STYLE_DEFINITION 0 @rl key=2
item LIST_LEVEL 3
end
text "x"
)");
    Sheet sheet(doc);
    const struct {
        uint32_t style_id;
        bool reads_again;
    } cases[] = {{1, false}, {2, true}};
    for (const auto &c : cases) {
        ASSERT_EQ(load(sheet, c.style_id).result, 0u);
        doc.reset_calls();
        const Loaded again = load(sheet, c.style_id);
        ASSERT_EQ(again.result, 0u);
        EXPECT_EQ(doc.calls(CH_OP_GET_ITEM) > 0, c.reads_again) << c.style_id;
    }
    EXPECT_EQ(sheet.entry(1).ListSeen, 1u);
}

TEST(LoadStyle, ListStyleLoadedAgainTakesTheParagraphStyleAsParent) {
    Doc doc(R"(
@rp: style-record kind=1
@rl: style-record kind=4
begin STYLE_DEFINITION 0 @rp key=1
item ATTR_25 9
end
begin STYLE_DEFINITION 0 @rl key=2
end
text "x"
)");
    Sheet sheet(doc);
    Loaded first = load(sheet, 2, 1);
    EXPECT_EQ(sheet.entry(first.index).ParentId, CH_NO_ITEM) << "first load: kind not yet known";
    EXPECT_EQ(first.slot->Text.Item25Value, 0u);
    Loaded second = load(sheet, 2, 1);
    EXPECT_EQ(sheet.entry(second.index).ParentId, 1u);
    EXPECT_EQ(second.slot->Text.Item25Value, 9u);
}

TEST(LoadStyle, SingleSlotParentTakesTheOnlySlot) {
    Doc doc(kChain);
    Sheet sheet(doc, 1);
    const Loaded l = load(sheet, 2);
    ASSERT_EQ(l.result, 0u);
    EXPECT_EQ(l.slot, &sheet->SlotArray[0]);
    EXPECT_EQ(sheet.entry(l.index).SlotNumber, sheet->SlotCount + 1) << "lost to its parent";
    EXPECT_EQ(l.slot->Text.Item25Value, 8u);
    doc.reset_calls();
    load(sheet, 2);
    EXPECT_GT(doc.calls(CH_OP_GET_ITEM), 0u) << "loaded again, having no slot";
}

TEST(LoadStyle, ListSettingsOfTheParentCarryOver) {
    Doc doc(R"(
@rl: style-record kind=4
@rp: style-record kind=1
@rc: style-record kind=1 parent=2
begin STYLE_DEFINITION 0 @rl key=1
end
begin STYLE_DEFINITION 0 @rp key=2
STYLE 0 1
LIST_ITEM 10 2 1
end
begin STYLE_DEFINITION 0 @rc key=3
end
text "x"
)");
    Sheet sheet(doc);
    const Loaded child = load(sheet, 3);
    ASSERT_EQ(child.result, 0u);
    const CUParaChangeInfo &p = child.slot->Para;
    EXPECT_EQ(p.ListStyleIndex, CIStyleNumber(sheet.get(), 1));
    EXPECT_EQ(p.ListKind, 1u);
    EXPECT_EQ(p.ListLevel, 3u);
    EXPECT_EQ(p.ChangeFlags & (CU_PARA_CHANGED_LIST_STYLE | CU_PARA_CHANGED_LIST_LEVEL),
              CU_PARA_CHANGED_LIST_STYLE | CU_PARA_CHANGED_LIST_LEVEL);
}

TEST(LoadStyle, MissingOrUnreadableDefinitions) {
    Doc doc(R"(
begin STYLE_DEFINITION 0 99999 key=4
item FONT_SIZE 30
end
text "x"
)");
    Sheet sheet(doc);
    const Loaded missing = load(sheet, 77);
    EXPECT_EQ(missing.result, 0u);
    EXPECT_EQ(missing.slot, &sheet->DefaultSlot);
    EXPECT_EQ(sheet->StyleCount, 1u) << "still numbered";
    const Loaded unreadable = load(sheet, 4);
    EXPECT_EQ(unreadable.result, 0u);
    EXPECT_EQ(unreadable.slot->Loaded, 1u);
    EXPECT_EQ(unreadable.slot->Text.FontSize, 0) << "nothing of the definition is taken";
    CUStyleSlot *slot = nullptr;
    uint32_t index = 0;
    EXPECT_EQ(CULoadStyle(nullptr, 1, 0, &slot, &index), 37u);
}

TEST(LoadStyle, ListLevelItemOfADefinitionThatCannotBeReadIsReturned) {
    Doc doc(R"(
@r: style-record kind=1
begin STYLE_DEFINITION 0 @r key=1
LIST_LEVEL_DATA 10 0 99999
end
text "x"
)");
    Sheet sheet(doc);
    EXPECT_NE(load(sheet, 1).result, 0u);
}

// Styles that name themselves, directly or through others, as parents or as
// style items inside their definitions: each load ends, with one slot (the
// rotation takes slots from styles under way) or several.
TEST(LoadStyle, CyclesEnd) {
    const struct {
        const char *name;
        const char *text;
    } cases[] = {
        {"own parent", R"(
@r: style-record kind=1 parent=1
begin STYLE_DEFINITION 0 @r key=1
item ATTR_25 5
end
text "x"
)"},
        {"based on each other", R"(
@a: style-record kind=1 parent=2
@b: style-record kind=1 parent=1
begin STYLE_DEFINITION 0 @a key=1
item ATTR_25 5
end
begin STYLE_DEFINITION 0 @b key=2
item ATTR_25 6
end
text "x"
)"},
        {"applies itself", R"(
@r: style-record kind=0
begin STYLE_DEFINITION 0 @r key=1
item ATTR_25 5
STYLE 0 1
end
text "x"
)"},
        {"list style based on the paragraph style that applies it", R"(
@p: style-record kind=1
@l: style-record kind=4
begin STYLE_DEFINITION 0 @p key=1
item ATTR_25 5
STYLE 0 2
end
begin STYLE_DEFINITION 0 @l key=2
end
text "x"
)"},
    };
    for (const auto &c : cases) {
        Doc doc(c.text);
        for (uint32_t slots : {1u, 3u}) {
            Sheet sheet(doc, slots);
            for (int round = 0; round < 3; ++round) {
                const Loaded l = load(sheet, 1, 1);
                EXPECT_EQ(l.result, 0u) << c.name;
                ASSERT_NE(l.slot, nullptr) << c.name;
            }
        }
    }
}

// 10,000 styles, each based on the next or applying the next in its
// definition; only the last sets item 25 and a tab stop.  Every load in the
// chain is under way at once, so these also show that the depth does not
// overflow the machine stack (the Debug build runs them under ASan).
std::string style_chain(int count, bool based_on) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i), next = std::to_string(i + 1);
        text += "@r" + n + ": style-record kind=" + (based_on ? "1" : "0") +
                " parent=" + (based_on && i < count ? next : "-1") + "\n";
        text += "begin STYLE_DEFINITION 0 @r" + n + " key=" + n + "\n";
        if (i == count)
            text += "item ATTR_25 7\nTAB_LIST_BEGIN\nTAB_STOP 0 0 100\nTAB_LIST_END\n";
        else if (!based_on)
            text += "STYLE 0 " + next + "\n";
        text += "end\n";
    }
    return text + "text \"x\"\n";
}

TEST(LoadStyle, ChainsTenThousandDeepLoadWhole) {
    constexpr int kStyles = 10000;
    for (const bool based_on : {true, false}) {
        SCOPED_TRACE(based_on ? "based-on chain" : "application chain");
        Doc doc(style_chain(kStyles, based_on));
        Sheet sheet(doc, 8);
        const Loaded l = load(sheet, 1);
        ASSERT_EQ(l.result, 0u);
        EXPECT_EQ(sheet->StyleCount, static_cast<uint32_t>(kStyles));
        EXPECT_EQ(l.slot->Text.Item25Value, 7u) << "passed down the whole chain";
        EXPECT_TRUE(l.slot->Text.ChangeFlags & CU_TEXT_CHANGED_ITEM_25);
        if (based_on) {
            EXPECT_EQ(l.slot->Para.TabCount, 1);
            EXPECT_EQ(sheet.entry(l.index).ParentId, 2u);
        } else {
            EXPECT_EQ(l.slot->Text.StyleId, 2u) << "the style its definition applies";
        }
    }
}

// Every allocation of a load deep enough to move its frames to movable
// memory may fail (the slot array, the style table, the frames): the load
// gives 13 or succeeds, and nothing is left behind.
TEST(LoadStyle, FailedAllocationsInADeepChainLeakNothing) {
    Doc doc(style_chain(40, true));
    std::vector<uint32_t> results;
    for (uint32_t fail_at = 1; results.empty() || results.back() != 0; ++fail_at) {
        ASSERT_LT(fail_at, 50u) << "a load that never succeeds";
        const size_t live = QrvGlobalLiveBlocks();
        {
            Sheet sheet(doc, 8);
            QrvGlobalFailAfter(fail_at);
            const Loaded l = load(sheet, 1);
            QrvGlobalFailAfter(0);
            results.push_back(l.result);
            if (l.result == 0) {
                EXPECT_EQ(l.slot->Text.Item25Value, 7u);
            }
        }
        EXPECT_EQ(QrvGlobalLiveBlocks(), live) << "allocation " << fail_at;
    }
    for (uint32_t result : results) EXPECT_TRUE(result == 0 || result == 13) << result;
    EXPECT_GE(results.size(), 6u) << "slot array, four table growths and the frames";
}

// A style whose load is under way is marked loaded, so a definition that
// applies it (itself, or a style that applies it back) applies it as
// gathered so far; a list style under way likewise.
TEST(LoadStyle, StylesUnderWayAreAppliedAsGatheredSoFar) {
    {
        SCOPED_TRACE("applies itself");
        Doc doc(R"(
@r: style-record kind=1
begin STYLE_DEFINITION 0 @r key=1
item ATTR_25 5
STYLE 0 1
CHAR_ATTR 2 1
end
text "x"
)");
        Sheet sheet(doc);
        const Loaded l = load(sheet, 1);
        ASSERT_EQ(l.result, 0u);
        EXPECT_EQ(l.slot->Text.StyleId, 1u);
        EXPECT_EQ(l.slot->Para.StyleId, 1u);
        EXPECT_EQ(l.slot->Text.Item25Value, 0u) << "the style as it stood, applied over itself";
        EXPECT_EQ(l.slot->Text.Attr2, 1);
    }
    {
        SCOPED_TRACE("applies a style that applies it back");
        Doc doc(R"(
@a: style-record kind=0
@b: style-record kind=0
begin STYLE_DEFINITION 0 @a key=1
item ATTR_25 5
STYLE 0 2
end
begin STYLE_DEFINITION 0 @b key=2
STYLE 0 1
end
text "x"
)");
        Sheet sheet(doc);
        const Loaded a = load(sheet, 1);
        ASSERT_EQ(a.result, 0u);
        EXPECT_EQ(a.slot->Text.StyleId, 2u);
        EXPECT_EQ(a.slot->Text.Item25Value, 5u) << "through the style it applied";
        const Loaded b = load(sheet, 2);
        EXPECT_EQ(b.slot->Text.StyleId, 1u) << "b applied a as gathered so far";
        EXPECT_EQ(b.slot->Text.Item25Value, 5u);
    }
    {
        // A list style loaded again takes the paragraph style in force as
        // its parent; that paragraph style, loaded for the first time there,
        // applies the list style whose load is under way and keeps its list
        // settings while it stays cached.
        SCOPED_TRACE("paragraph style loaded inside a list style's reload");
        Doc doc(R"(
@l: style-record kind=4
@p: style-record kind=1
begin STYLE_DEFINITION 0 @l key=1
end
begin STYLE_DEFINITION 0 @p key=2
STYLE 0 1
end
text "x"
)");
        Sheet sheet(doc);
        ASSERT_EQ(CIStyleNumber(sheet.get(), 99), 0);
        ASSERT_EQ(load(sheet, 1, 0).result, 0u);
        const Loaded list = load(sheet, 1, 2);
        ASSERT_EQ(list.result, 0u);
        EXPECT_EQ(sheet.entry(list.index).ParentId, 2u);
        const Loaded para = load(sheet, 2);
        EXPECT_EQ(para.slot->Para.ListStyleIndex, static_cast<int32_t>(list.index));
        EXPECT_TRUE(para.slot->Para.ChangeFlags & CU_PARA_CHANGED_LIST_STYLE);
        EXPECT_EQ(list.slot->Para.ListStyleIndex, static_cast<int32_t>(list.index)) << "inherited from its parent";
    }
}

}  // namespace
