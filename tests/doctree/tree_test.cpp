// Filling a document tree: sections, heading levels with fillers, heading
// paths, notes under the current heading, and releasing everything.
#include "doctree/subheadings.hpp"

#include <gtest/gtest.h>

#include <qrvex/doctree.h>
#include <qrvplatform/platform.h>

#include <memory>
#include <vector>

namespace {

using qrv::doctreetest::heading;

struct Tree {
    std::unique_ptr<EXDTTree> tree = std::make_unique<EXDTTree>();
    size_t live_before = QrvGlobalLiveBlocks();
    Tree() { EXDTInit(tree.get()); }
    ~Tree() {
        EXPECT_EQ(EXDTCleanup(tree.get()), 0u);
        EXPECT_EQ(tree->Sections, nullptr);
        EXPECT_EQ(tree->Properties, nullptr);
        EXPECT_EQ(QrvGlobalLiveBlocks(), live_before);
    }
    EXDTTree *operator->() { return tree.get(); }
    EXDTTree *get() { return tree.get(); }
    EXDTSection &section(uint32_t index) { return static_cast<EXDTSection *>(tree->Sections->Items)[index]; }
    std::vector<uint32_t> path() const { return {std::begin(tree->HeadingPath), std::end(tree->HeadingPath)}; }
};

uint32_t heading_count(const EXDTBody &body) { return body.SubHeadings ? body.SubHeadings->ItemCount : 0; }

std::vector<uint32_t> path(std::initializer_list<uint32_t> leading) {
    std::vector<uint32_t> full(leading);
    full.resize(EXDT_MAX_HEADING_LEVEL, 0);
    return full;
}

TEST(DocumentTree, FreshTree) {
    Tree t;
    EXPECT_EQ(t->DefaultCharset, 0x30100u);
    EXPECT_EQ(EXDTNumSections(t.get()), 0u);
    EXPECT_EQ(EXDTPatchup(t.get(), 0), 18u);
    EXPECT_EQ(EXDTAddHeadingLevel(t.get(), 5, nullptr, 0, 1), 0u);  // no sections: nothing added
    EXPECT_EQ(t->Sections, nullptr);
    EXPECT_EQ(EXDTRestartHeadings(t.get()), 0u);
    const char note[20] = {};
    const struct {
        const char *name;
        uint32_t result;
    } current_section_needed[] = {
        {"title", EXDTSetSectionTitle(t.get(), nullptr, 1, 2)},
        {"title property", EXDTSetSectionTitlePropertyString(t.get(), 1)},
        {"end paragraph", EXDTEndParagraph(t.get(), nullptr, 0, 3)},
        {"note", EXDTAddNote(t.get(), 1, note)},
        {"subdoc", EXDTAddSubdoc(t.get(), 8, note)},
        {"bookmark", EXDTAddBookmark(t.get(), 1, 2)},
        {"palette", EXDTAddPalette(t.get(), 1)},
    };
    for (const auto &c : current_section_needed) EXPECT_EQ(c.result, 18u) << c.name;
    EXPECT_EQ(EXDTAddProperty(t.get(), note), 0u);  // needs no section
    EXPECT_EQ(t->Properties->ItemCount, 1u);
}

TEST(DocumentTree, HeadingLevelsAndPaths) {
    const struct {
        const char *name;
        std::vector<uint32_t> levels;  // headings added in this order
        std::vector<uint32_t> path;
        uint32_t level;
    } cases[] = {
        {"deep first heading gets fillers", {3}, path({1, 1, 1}), 3},
        {"second level-1 heading", {1, 2, 1}, path({2}), 1},
        {"siblings at level 2", {1, 2, 2, 2}, path({1, 3}), 2},
        {"back up and down again", {1, 2, 3, 1, 3}, path({2, 1, 1}), 3},
        {"all ten levels", {10}, path({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Tree t;
        ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
        for (uint32_t level : c.levels) ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 10 * level, nullptr, 0, level), 0u);
        EXPECT_EQ(t.path(), c.path);
        EXPECT_EQ(t->HeadingLevel, c.level);
        EXPECT_TRUE(t->TreeFlags & EXDT_HEADING_OPEN);
        EXDTHeading *current = nullptr;
        ASSERT_EQ(EXDTLocateCurrentHeading(t.get(), &t.section(0), &current), 0u);
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(current->Filler, 0u);
        EXPECT_EQ(current->Node.HeadStartId, 10 * c.level);
    }
}

TEST(DocumentTree, FillersForSkippedLevels) {
    Tree t;
    EXDTState state;
    EXDTInitState(&state);
    state.Words[7] = 77;
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 42, &state, 0, 3), 0u);
    const EXDTBody *body = &t.section(0).Node.Body;
    for (uint32_t level = 1; level <= 3; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        ASSERT_EQ(heading_count(*body), 1u);
        const EXDTHeading &h = heading(*body, 0);
        EXPECT_EQ(h.Filler, level < 3 ? 1u : 0u);
        EXPECT_EQ(h.Node.HeadStartId, 42u);
        EXPECT_EQ(h.Node.HeadState.Words[7], 77u);
        EXPECT_EQ(h.Node.HeadEndId, 0u);
        body = &h.Node.Body;
    }
    EXPECT_EQ(body->SubHeadings, nullptr);
}

TEST(DocumentTree, RefusedLevels) {
    Tree t;
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    for (uint32_t level : {0u, 11u}) EXPECT_EQ(EXDTAddHeadingLevel(t.get(), 1, nullptr, 0, level), 15u);
    EXPECT_EQ(t.section(0).Node.Body.SubHeadings, nullptr);
}

TEST(DocumentTree, EndParagraphOnlyOnce) {
    Tree t;
    EXDTState state;
    EXDTInitState(&state);
    state.Words[0] = 9;
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 5, nullptr, 0, 1), 0u);
    EXPECT_EQ(EXDTEndParagraph(t.get(), &state, 0, 8), 0u);
    EXPECT_FALSE(t->TreeFlags & EXDT_HEADING_OPEN);
    EXPECT_EQ(EXDTEndParagraph(t.get(), nullptr, 0, 9), 0u);
    const EXDTHeading &h = heading(t.section(0).Node.Body, 0);
    EXPECT_EQ(h.Node.Body.BodyStartId, 8u);
    EXPECT_EQ(h.Node.Body.BodyState.Words[0], 9u);
}

TEST(DocumentTree, NotesGoToTheSectionAndTheCurrentHeading) {
    Tree t;
    const uint32_t note[4] = {1, 2, 3, 4};
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 1, note), 0u);  // before any heading
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 5, nullptr, 0, 1), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 1, note), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 1, note), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 2, note), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 6, nullptr, 0, 2), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 1, note), 0u);
    EXPECT_EQ(EXDTAddNote(t.get(), 4, note), 0u);  // no such kind: nothing recorded
    const EXDTSection &s = t.section(0);
    EXPECT_EQ(s.Notes[0]->ItemCount, 4u);
    EXPECT_EQ(s.Notes[1]->ItemCount, 1u);
    EXPECT_EQ(s.Notes[2], nullptr);
    const EXDTHeading &first = heading(s.Node.Body, 0);
    const auto *indexes = static_cast<const uint32_t *>(first.NoteIndexes[0]->Items);
    EXPECT_EQ(std::vector<uint32_t>(indexes, indexes + first.NoteIndexes[0]->ItemCount), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(*static_cast<const uint32_t *>(first.NoteIndexes[1]->Items), 0u);
    const EXDTHeading &sub = heading(first.Node.Body, 0);
    EXPECT_EQ(*static_cast<const uint32_t *>(sub.NoteIndexes[0]->Items), 3u);
    EXPECT_EQ(static_cast<const uint32_t *>(s.Notes[0]->Items)[12], 1u);
}

TEST(DocumentTree, SecondSectionTakesLaterEntries) {
    Tree t;
    const char record[20] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 10, 7), 0u);
    ASSERT_EQ(EXDTAddSection(t.get(), 11, 20, 8), 0u);
    EXPECT_EQ(t->CurrentSection, 2u);
    EXPECT_EQ(EXDTNumSections(t.get()), 2u);
    EXPECT_EQ(EXDTAddNote(t.get(), 3, record), 0u);
    EXPECT_EQ(EXDTAddSubdoc(t.get(), 16, record), 0u);
    EXPECT_EQ(EXDTAddSubdoc(t.get(), 9, record), 0u);
    EXPECT_EQ(EXDTAddBookmark(t.get(), 3, 4), 0u);
    EXPECT_EQ(EXDTAddPalette(t.get(), 5), 0u);
    const EXDTSection &first = t.section(0), &second = t.section(1);
    EXPECT_EQ(first.Notes[2], nullptr);
    EXPECT_EQ(second.Notes[2]->ItemCount, 1u);
    EXPECT_EQ(second.Subdocs[0], nullptr);
    EXPECT_EQ(second.Subdocs[1]->ItemCount, 1u);
    EXPECT_EQ(static_cast<const uint32_t *>(second.Bookmarks->Items)[1], 4u);
    EXPECT_EQ(second.Palette, 5u);
    EXPECT_EQ(second.SectionValue, 8u);
    EXPECT_EQ(second.Node.HeadStartId, 0xFFFFFFFFu);
    EXPECT_EQ(second.Node.Body.BodyStartId, 11u);
    EXPECT_EQ(second.Node.Body.BodyEndId, 20u);
    EXPECT_EQ(second.Node.Body.BodyState.Words[202], 0x30100u);
}

TEST(DocumentTree, StatesAndNodes) {
    EXDTState state;
    std::fill(std::begin(state.Words), std::end(state.Words), 0xABu);
    EXPECT_EQ(EXDTCopyState(&state, nullptr), 0u);
    for (uint32_t word = 0; word < EXDT_STATE_WORDS; ++word) {
        const uint32_t expected = word == 3 || word == 201 ? 0xFFFFFFFFu : word == 202 ? 0x30100u : 0u;
        ASSERT_EQ(state.Words[word], expected) << "word " << word;
    }
    EXPECT_EQ(EXDTCopyState(nullptr, &state), 18u);
    auto node = std::make_unique<EXDTNode>();
    const uint32_t ids[2] = {4, 9};
    state.Words[100] = 5;
    EXPECT_EQ(EXDTInitBodyFromState(node.get(), ids, &state), 0u);
    EXPECT_EQ(node->HeadStartId, 4u);
    EXPECT_EQ(node->Body.BodyStartId, 4u);
    EXPECT_EQ(node->HeadEndId, 9u);
    EXPECT_EQ(node->Body.BodyEndId, 9u);
    EXPECT_EQ(node->Body.BodyState.Words[100], 5u);
    EXPECT_EQ(node->Body.SubHeadings, nullptr);
}

TEST(DocumentTree, LocatingTheCurrentHeading) {
    Tree t;
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 1, nullptr, 0, 1), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 2, nullptr, 0, 2), 0u);
    EXDTHeading marker{};
    const struct {
        std::vector<uint32_t> path;
        uint32_t result;
        uint32_t start;
    } cases[] = {
        {path({}), 0, 0xDEAD},  // empty path: left as the caller set it
        {path({1}), 0, 1},     {path({1, 1}), 0, 2},     {path({2}), 37, 0xDEAD},
        {path({1, 2}), 37, 1}, {path({1, 1, 1}), 37, 2},
    };
    for (const auto &c : cases) {
        std::copy(c.path.begin(), c.path.end(), t->HeadingPath);
        marker.Node.HeadStartId = 0xDEAD;
        EXDTHeading *found = &marker;
        EXPECT_EQ(EXDTLocateCurrentHeading(t.get(), &t.section(0), &found), c.result);
        EXPECT_EQ(found->Node.HeadStartId, c.start);
    }
}

TEST(DocumentTree, RestartKeepsLevelOneHeadings) {
    Tree t;
    const uint32_t note[4] = {};
    ASSERT_EQ(EXDTAddSection(t.get(), 0, 100, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(t.get(), 1, nullptr, 0, 3), 0u);
    ASSERT_EQ(EXDTAddNote(t.get(), 1, note), 0u);
    EXPECT_EQ(EXDTRestartHeadings(t.get()), 0u);
    const EXDTBody &body = t.section(0).Node.Body;
    ASSERT_EQ(heading_count(body), 1u);
    EXPECT_EQ(heading(body, 0).Node.Body.SubHeadings, nullptr);
    EXPECT_EQ(t.path(), path({1, 1, 1}));
    t->CurrentSection = 5;
    EXPECT_EQ(EXDTRestartHeadings(t.get()), 18u);
    t->CurrentSection = 1;
}

TEST(DocumentTree, FileNamesAndCharset) {
    Tree t;
    std::vector<char> name(EXDT_FILE_NAME_BYTES, 'x');
    name.back() = 0;
    EXPECT_EQ(EXDTSetSourceFileName(t.get(), name.data()), 0u);
    std::vector<char> css(EXDT_FILE_NAME_BYTES, 0);
    std::copy_n("style.css", 9, css.begin());
    EXPECT_EQ(EXDTSetCSSFileName(t.get(), css.data()), 0u);
    EXPECT_STREQ(t->CSSFileName, "style.css");
    EXPECT_EQ(EXDTSetDefaultCharset(t.get(), 5), 0u);
    EXPECT_EQ(t->SourceFileName[EXDT_FILE_NAME_BYTES - 2], 'x');
    EXPECT_EQ(t->DefaultCharset, 5u);
}

TEST(DocumentTree, FailedListsGiveNoMemoryAndLeakNothing) {
    const uint32_t note[4] = {};
    for (uint32_t fail_at = 1; fail_at <= 8; ++fail_at) {
        SCOPED_TRACE(testing::Message() << "allocation " << fail_at);
        Tree t;
        QrvGlobalFailAfter(fail_at);
        uint32_t results[] = {EXDTAddSection(t.get(), 0, 100, 0), EXDTAddHeadingLevel(t.get(), 1, nullptr, 0, 2),
                              EXDTAddNote(t.get(), 1, note)};
        QrvGlobalFailAfter(0);
        for (uint32_t r : results) EXPECT_TRUE(r == 0 || r == 13 || r == 18) << r;
    }
}

}  // namespace
