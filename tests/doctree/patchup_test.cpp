// The heading patch-up over a small document: heading ends by paragraph,
// page and cell breaks, sub-headings, fillers and backward ranges.
#include <gtest/gtest.h>

#include <qrvch.h>
#include <qrvex/doctree.h>

#include <cstring>
#include <memory>

namespace {

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

struct Ids { uint32_t head_start, head_end, body_start, body_end; };

Ids ids_of(const EXDTHeading &h) {
    return {h.Node.HeadStartId, h.Node.HeadEndId, h.Node.Body.BodyStartId, h.Node.Body.BodyEndId};
}
const EXDTHeading &heading(const EXDTBody &body, uint32_t index) {
    return static_cast<const EXDTHeading *>(body.SubHeadings->Items)[index];
}

void expect_ids(const EXDTHeading &h, Ids expected, const char *name) {
    const Ids got = ids_of(h);
    EXPECT_EQ(got.head_start, expected.head_start) << name;
    EXPECT_EQ(got.head_end, expected.head_end) << name;
    EXPECT_EQ(got.body_start, expected.body_start) << name;
    EXPECT_EQ(got.body_end, expected.body_end) << name;
}

TEST(HeadingPatchup, EndsByBreaksWithSubHeadings) {
    CHHandle h = 0;
    char err[256] = {};
    ASSERT_EQ(CHLoadDocumentText(kDocument, std::strlen(kDocument), &h, err, sizeof err), 0u) << err;
    auto tree = std::make_unique<EXDTTree>();
    EXDTInit(tree.get());
    ASSERT_EQ(EXDTAddSection(tree.get(), 0, 12, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(tree.get(), 2, nullptr, 0, 1), 0u);   // page break at 4 is nearer than 5
    ASSERT_EQ(EXDTAddHeadingLevel(tree.get(), 6, nullptr, 0, 2), 0u);   // only a cell break (7)
    ASSERT_EQ(EXDTAddHeadingLevel(tree.get(), 8, nullptr, 0, 3), 0u);   // no break: ends at its bound
    ASSERT_EQ(EXDTAddHeadingLevel(tree.get(), 12, nullptr, 0, 1), 0u);  // no break before the bound
    ASSERT_EQ(EXDTPatchup(tree.get(), h), 0u);
    const EXDTSection &section = *static_cast<const EXDTSection *>(tree->Sections->Items);
    EXPECT_EQ(section.Node.Body.BodyEndId, 1u);
    const EXDTHeading &first = heading(section.Node.Body, 0);
    // The sub-heading at 6 ends the parent's body at 5.
    expect_ids(first, {2, 4, 5, 5}, "first level 1");
    // Bodies that would run backwards (start after end) become -1.
    const EXDTHeading &sub = heading(first.Node.Body, 0);
    expect_ids(sub, {6, 7, kNone, kNone}, "level 2");
    expect_ids(heading(sub.Node.Body, 0), {8, 11, kNone, kNone}, "level 3");
    expect_ids(heading(section.Node.Body, 1), {12, 12, kNone, kNone}, "second level 1");
    EXPECT_EQ(EXDTCleanup(tree.get()), 0u);
    EXPECT_EQ(CHCloseDocument(h), 0u);
}

TEST(HeadingPatchup, FillersAndSectionStarts) {
    CHHandle h = 0;
    char err[256] = {};
    ASSERT_EQ(CHLoadDocumentText(kDocument, std::strlen(kDocument), &h, err, sizeof err), 0u) << err;
    auto tree = std::make_unique<EXDTTree>();
    EXDTInit(tree.get());
    ASSERT_EQ(EXDTAddSection(tree.get(), 0, 11, 0), 0u);
    ASSERT_EQ(EXDTAddHeadingLevel(tree.get(), 0, nullptr, 0, 2), 0u);  // a filler at level 1
    ASSERT_EQ(EXDTPatchup(tree.get(), h), 0u);
    const EXDTSection &section = *static_cast<const EXDTSection *>(tree->Sections->Items);
    EXPECT_EQ(section.Node.Body.BodyEndId, 0u);  // the first heading starts at item 0
    const EXDTHeading &filler = heading(section.Node.Body, 0);
    expect_ids(filler, {kNone, kNone, kNone, kNone}, "filler");
    expect_ids(heading(filler.Node.Body, 0), {0, 1, 2, 11}, "under the filler");
    EXPECT_EQ(EXDTCleanup(tree.get()), 0u);
    EXPECT_EQ(CHCloseDocument(h), 0u);
}

}  // namespace
