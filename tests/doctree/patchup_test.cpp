// The heading patch-up over a small document: heading ends by paragraph,
// page and cell breaks, sub-headings, fillers, backward ranges, the end of
// the document and chunker failures.
#include "doctree/subheadings.hpp"
#include "support/document.hpp"

#include <gtest/gtest.h>

#include <qrvex/doctree.h>
#include <qrvplatform/platform.h>

#include <qrvex/navigate.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace {

using qrv::doctreetest::heading;

constexpr uint32_t kNone = 0xFFFFFFFFu;

// Items are numbered from 0 in the order written.
const char *const kDocument = R"(
item 7 0 0
item 0 1
item 7 0 0
item 7 0 0
item 0 22
item 0 1
item 7 0 0
item 0 20
item 7 0 0
item 7 0 0
item 7 0 0
item 7 0 0
item 7 0 0
item 7 0 0
)";

struct Ids {
    uint32_t head_start, head_end, body_start, body_end;
};

Ids ids_of(const EXDTHeading &h) {
    return {h.Node.HeadStartId, h.Node.HeadEndId, h.Node.Body.BodyStartId, h.Node.Body.BodyEndId};
}

void expect_ids(const EXDTHeading &h, Ids expected, const char *name) {
    const Ids got = ids_of(h);
    EXPECT_EQ(got.head_start, expected.head_start) << name;
    EXPECT_EQ(got.head_end, expected.head_end) << name;
    EXPECT_EQ(got.body_start, expected.body_start) << name;
    EXPECT_EQ(got.body_end, expected.body_end) << name;
}

// A tree with one section over a document; the headings are added as
// (start, level) pairs, a start of 0 with level 2 first making a filler.
struct Patched {
    qrv::test::Document doc;
    std::unique_ptr<EXDTTree> tree = std::make_unique<EXDTTree>();
    size_t live_before = QrvGlobalLiveBlocks();

    Patched(const char *text, uint32_t last_id, std::initializer_list<std::pair<uint32_t, uint32_t>> headings)
        : doc(text) {
        EXDTInit(tree.get());
        EXPECT_EQ(EXDTAddSection(tree.get(), 0, last_id, 0), 0u);
        for (auto [start, level] : headings) EXPECT_EQ(EXDTAddHeadingLevel(tree.get(), start, nullptr, 0, level), 0u);
    }
    ~Patched() {
        EXPECT_EQ(EXDTCleanup(tree.get()), 0u);
        EXPECT_EQ(QrvGlobalLiveBlocks(), live_before) << "everything freed";
    }
    uint32_t patch() { return EXDTPatchup(tree.get(), doc.handle()); }
    const EXDTSection &section() const { return *static_cast<const EXDTSection *>(tree->Sections->Items); }
};

TEST(HeadingPatchup, EndsByBreaksWithSubHeadings) {
    Patched p(kDocument, 12,
              {{2, 1},     // page break at 4 is nearer than 5
               {6, 2},     // only a cell break (7)
               {8, 3},     // no break: ends at its bound
               {12, 1}});  // no break before the bound
    ASSERT_EQ(p.patch(), 0u);
    EXPECT_EQ(p.section().Node.Body.BodyEndId, 1u);
    const EXDTHeading &first = heading(p.section().Node.Body, 0);
    // The sub-heading at 6 ends the parent's body at 5.
    expect_ids(first, {2, 4, 5, 5}, "first level 1");
    // Bodies that would run backwards (start after end) become -1.
    const EXDTHeading &sub = heading(first.Node.Body, 0);
    expect_ids(sub, {6, 7, kNone, kNone}, "level 2");
    expect_ids(heading(sub.Node.Body, 0), {8, 11, kNone, kNone}, "level 3");
    expect_ids(heading(p.section().Node.Body, 1), {12, 12, kNone, kNone}, "second level 1");
}

TEST(HeadingPatchup, FillersAndSectionStarts) {
    Patched p(kDocument, 11, {{0, 2}});  // a filler at level 1
    ASSERT_EQ(p.patch(), 0u);
    EXPECT_EQ(p.section().Node.Body.BodyEndId, 0u);  // the first heading starts at item 0
    const EXDTHeading &filler = heading(p.section().Node.Body, 0);
    expect_ids(filler, {kNone, kNone, kNone, kNone}, "filler");
    expect_ids(heading(filler.Node.Body, 0), {0, 1, 2, 11}, "under the filler");
}

// A heading whose text runs to the document's last item, by its break or by
// its bound, has no item after it to start a body: the patch-up hands back
// the chunker's refusal, with the heading's text settled.
TEST(HeadingPatchup, TextEndingTheDocumentGivesTheChunkersCode) {
    const struct {
        const char *name;
        const char *text;
    } cases[] = {
        {"ended by a paragraph break", "item 7 0 0\nitem 7 0 0\nitem 0 1\n"},
        {"ended by its bound", "item 7 0 0\nitem 7 0 0\nitem 7 0 0\n"},
    };
    for (const auto &c : cases) {
        Patched p(c.text, 2, {{1, 1}});
        EXPECT_EQ(p.patch(), uint32_t{CH_ERR_NO_ITEM}) << c.name;
        EXPECT_EQ(p.section().Node.Body.BodyEndId, 0u) << c.name;
        const EXDTHeading &h = heading(p.section().Node.Body, 0);
        EXPECT_EQ(h.Node.HeadStartId, 1u) << c.name;
        EXPECT_EQ(h.Node.HeadEndId, 2u) << c.name;
    }
}

TEST(HeadingPatchup, ChunkerFailuresAreReturned) {
    const struct {
        uint32_t op;
        uint32_t id;  // where the call fails
        Ids first;    // the first heading afterwards
    } cases[] = {
        {CH_OP_PREV_ITEM_ID, 2, {2, 0, 0, 0}},  // the section's body end
        {CH_OP_NEXT_ITEM_ID, 4, {2, 4, 0, 0}},  // the first body's start
        {CH_OP_NEXT_ITEM_ID, 7, {2, 4, 5, 5}},  // a later heading: the first stays settled
    };
    for (const auto &c : cases) {
        Patched p(kDocument, 12, {{2, 1}, {6, 1}});
        ASSERT_EQ(CHFaultAtId(p.doc.handle(), c.op, CH_STORE_ITEMS, c.id, 0x99), 0u);
        EXPECT_EQ(p.patch(), 0x99u) << "op " << c.op << " at " << c.id;
        expect_ids(heading(p.section().Node.Body, 0), c.first, "first heading");
    }
}

// The page break is looked for only up to the paragraph break; heading ends
// must come out as the two unbounded searches give them, over random
// documents of text, breaks of every kind and skippable tags.
TEST(HeadingPatchup, HeadingEndsAsTheUnboundedSearchesGiveThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const uint32_t items = 20 + random() % 40;
        uint32_t written = 0;
        while (written < items) {
            switch (random() % 6) {
            case 0: text += "item 0 1\n"; break;
            case 1: text += "item 0 22\n"; break;
            case 2: text += "item 0 20\n"; break;
            case 3: text += "begin 0x20000005\nitem 0 1\nend\n", written += 2; break;
            default: text += "item 7 0 0\n"; break;
            }
            ++written;
        }
        const uint32_t last = written - 1;
        // An item past the section's end, so that every heading's text has
        // an item after it (the last item's own case is tested above).
        text += "item 7 0 0\n";
        std::vector<uint32_t> starts;
        for (uint32_t id = 0; id < last; id += 1 + random() % 12) starts.push_back(id);
        std::vector<std::pair<uint32_t, uint32_t>> headings;
        Patched p(text.c_str(), last, {});
        for (uint32_t start : starts) EXPECT_EQ(EXDTAddHeadingLevel(p.tree.get(), start, nullptr, 0, 1), 0u);
        ASSERT_EQ(p.patch(), 0u);
        for (size_t i = 0; i < starts.size(); ++i) {
            const CHHandle h = p.doc.handle();
            const uint32_t next = i + 1 < starts.size() ? starts[i + 1] - 1 : last;
            uint32_t end = std::min(CUFindBreakEndId(starts[i], last, last, CH_BREAK_PARAGRAPH, h),
                                    CUFindBreakEndId(starts[i], last, last, CH_BREAK_PAGE, h));
            if (end == kNone) end = CUFindBreakEndId(starts[i], last, last, CH_BREAK_CELL, h);
            if (end == kNone) end = next;
            const EXDTHeading &settled = heading(p.section().Node.Body, static_cast<uint32_t>(i));
            if (settled.Node.HeadStartId == kNone) continue;  // a range that ran backwards
            EXPECT_EQ(settled.Node.HeadEndId, end) << "round " << round << " heading " << i << "\n" << text;
        }
    }
}

}  // namespace
