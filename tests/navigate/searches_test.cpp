// Forward and backward searches over one paragraph that holds a skippable
// tag, a tag that break searches skip, a plain tag and a skippable tag that
// a search may ask for by code.
#include "navigate/chunk_doc.hpp"

#include <qrvex/navigate.h>

#include <functional>

namespace {

using qrv::chunktest::ChunkDoc;
using qrv::chunktest::kNone;

constexpr const char *kParagraph = R"(
@start:  item 8 2 1
@skipA:  begin 0x20050000
@inA:      special 7
@brA:      break 1
           item 5 99
@endA:   end
@t17:    begin 0x170000
           break 1
@end17:  end
@plain:  begin 0x00030000
@sp:       special 7
@vh:       item 5 42
@br:       break 1
@endP:   end
@wanted: begin 0x20060000
         end
@last:   item 8 2 0
)";

struct Case {
    const char *what;
    std::function<uint32_t(const ChunkDoc &)> call;
    std::function<uint32_t(const ChunkDoc &)> expected;
};

uint32_t id_of(const ChunkDoc &d, const char *label) { return d[label]; }

std::function<uint32_t(const ChunkDoc &)> at(const char *label) {
    return [label](const ChunkDoc &d) { return id_of(d, label); };
}
std::function<uint32_t(const ChunkDoc &)> value(uint32_t v) {
    return [v](const ChunkDoc &) { return v; };
}

TEST(Searches, SkippableTagsAreJumpedOverForward) {
    const ChunkDoc d(kParagraph);
    const Case cases[] = {
        {"special char inside a skippable tag is not seen",
         [](const ChunkDoc &d) { return CUFindSpecialCharId(7, d["start"], d["last"], d.h()); }, at("sp")},
        {"break inside skippable and 0x170000 tags is not seen",
         [](const ChunkDoc &d) { return CUFindBreakEndId(d["start"], d["last"], d["last"], 1, d.h()); }, at("br")},
        {"vector header inside a skippable tag is not seen",
         [](const ChunkDoc &d) { return CUFindVectorHeaderId(d["start"], d["last"], d.h()); }, value(42)},
        {"plain tag begin by code",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["start"], d["last"], 0x00030000, d.h()); }, at("plain")},
        {"a skippable tag asked for by code is found",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["start"], d["last"], 0x20060000, d.h()); }, at("wanted")},
        {"the first skippable tag itself asked for by code",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["start"], d["last"], 0x20050000, d.h()); }, at("skipA")},
        {"0x170000 is not skipped by tag searches",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["start"], d["last"], 0x170000, d.h()); }, at("t17")},
        {"a special char search does not skip 0x170000",
         [](const ChunkDoc &d) { return CUFindSpecialCharId(7, d["t17"], d["last"], d.h()); }, at("sp")},
        {"skip tag lands after the matching end",
         [](const ChunkDoc &d) { return CUSkipTag(d.after(d["skipA"]), d.h()); }, at("t17")},
        {"tag end of a tag begin", [](const ChunkDoc &d) { return CUFindTagEndId(d["skipA"], d.h()); }, at("endA")},
        {"tag end from inside a tag, nested tags skipped",
         [](const ChunkDoc &d) { return CUFindTagEndId(d["sp"], d.h()); }, at("endP")},
        {"no unmatched tag end ahead", [](const ChunkDoc &d) { return CUFindTagEndId(d["start"], d.h()); },
         value(kNone)},
    };
    for (const Case &c : cases) EXPECT_EQ(c.call(d), c.expected(d)) << c.what;
}

TEST(Searches, SkippableTagsAreJumpedOverBackward) {
    const ChunkDoc d(kParagraph);
    const Case cases[] = {
        {"reverse skip finds the matching begin", [](const ChunkDoc &d) { return CUSkipTagReverse(d["endA"], d.h()); },
         at("skipA")},
        {"break before skippable end found", [](const ChunkDoc &d) { return CUFindBreakBeginId(d["last"], 1, d.h()); },
         at("br")},
        {"breaks inside skipped tags are not seen, walk runs out",
         [](const ChunkDoc &d) { return CUFindBreakBeginId(d["plain"], 1, d.h()); }, value(0)},
        {"from inside a skippable tag its begin is returned",
         [](const ChunkDoc &d) { return CUFindBreakBeginId(d["inA"], 22, d.h()); }, at("skipA")},
        {"a break at the start id itself", [](const ChunkDoc &d) { return CUFindBreakBeginId(d["brA"], 1, d.h()); },
         at("brA")},
        {"reverse skip with no earlier begin", [](const ChunkDoc &d) { return CUSkipTagReverse(d["start"], d.h()); },
         value(QRV_E_NOT_FOUND)},
    };
    for (const Case &c : cases) EXPECT_EQ(c.call(d), c.expected(d)) << c.what;
}

TEST(Searches, EndOfEnclosingSkippableTagStopsForwardSearches) {
    const ChunkDoc d(kParagraph);
    const Case cases[] = {
        {"tag begin search", [](const ChunkDoc &d) { return CUFindTagBeginId(d["inA"], d["last"], 0x1234, d.h()); },
         at("endA")},
        {"break search", [](const ChunkDoc &d) { return CUFindBreakEndId(d.after(d["brA"]), kNone, kNone, 1, d.h()); },
         at("endA")},
        {"special char search", [](const ChunkDoc &d) { return CUFindSpecialCharId(8, d["inA"], d["last"], d.h()); },
         at("endA")},
        {"vector header search ends with nothing",
         [](const ChunkDoc &d) { return CUFindVectorHeaderId(d.after(d.after(d["brA"])), d["last"], d.h()); },
         value(kNone)},
    };
    for (const Case &c : cases) EXPECT_EQ(c.call(d), c.expected(d)) << c.what;
}

TEST(Searches, LimitsAreComparedBeforeReading) {
    const ChunkDoc d(kParagraph);
    struct Limit {
        const char *what;
        std::function<uint32_t(const ChunkDoc &)> call;
        std::function<uint32_t(const ChunkDoc &)> expected;
        bool reads;
    };
    const Limit cases[] = {
        {"special char: id at the limit returns the limit",
         [](const ChunkDoc &d) { return CUFindSpecialCharId(7, d["sp"], d["sp"], d.h()); }, at("sp"), false},
        {"special char: range runs out before the character",
         [](const ChunkDoc &d) { return CUFindSpecialCharId(7, d["start"], d["plain"], d.h()); }, at("plain"), true},
        {"special char: missing kind returns the limit",
         [](const ChunkDoc &d) { return CUFindSpecialCharId(9, d["t17"], d["last"], d.h()); }, at("last"), true},
        {"break: id beyond limit A",
         [](const ChunkDoc &d) { return CUFindBreakEndId(d["br"], d["sp"], kNone, 1, d.h()); }, value(kNone), false},
        {"break: id beyond limit B",
         [](const ChunkDoc &d) { return CUFindBreakEndId(d["br"], kNone, d["sp"], 1, d.h()); }, value(kNone), false},
        {"break: limits are inclusive",
         [](const ChunkDoc &d) { return CUFindBreakEndId(d["sp"], d["br"], d["br"], 1, d.h()); }, at("br"), true},
        {"break: the smaller limit bounds",
         [](const ChunkDoc &d) { return CUFindBreakEndId(d["sp"], d["vh"], kNone, 1, d.h()); }, value(kNone), true},
        {"tag begin: limit is exclusive",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["start"], d["plain"], 0x00030000, d.h()); }, value(kNone),
         true},
        {"vector header: limit is exclusive",
         [](const ChunkDoc &d) { return CUFindVectorHeaderId(d["sp"], d["vh"], d.h()); }, value(kNone), true},
        {"tag begin: id at the limit",
         [](const ChunkDoc &d) { return CUFindTagBeginId(d["plain"], d["plain"], 0x00030000, d.h()); }, value(kNone),
         false},
    };
    for (const Limit &c : cases) {
        d.reset_calls();
        EXPECT_EQ(c.call(d), c.expected(d)) << c.what;
        d.reset_calls();
        c.call(d);
        EXPECT_EQ(d.calls(CH_OP_GET_ITEM) > 0, c.reads) << c.what;
    }
}

TEST(Searches, TextFramesByFlagMask) {
    const ChunkDoc d(R"(
@f1: frame flags=0x01
@f2: frame flags=0x10
@a:  item 8 2 1
@x1: TEXT_FRAME @f1
     begin 0x20050000
@x2:   TEXT_FRAME @f2
     end
@z:  item 8 2 1
)");
    const struct {
        uint32_t mask;
        const char *limit;
        const char *expected;
    } cases[] = {
        {0x01, "z", "x1"},
        {0x10, "z", "x2"},  // tags are not skipped
        {0x11, "z", "x1"},
        {0x10, "x2", "x2"},  // the limit is inclusive
    };
    for (const auto &c : cases)
        EXPECT_EQ(CUFindTextFrameId(d["a"], d[c.limit], c.mask, d.h()), d[c.expected]) << c.mask;
    EXPECT_EQ(CUFindTextFrameId(d["a"], d["z"], 0x100, d.h()), kNone);
    EXPECT_EQ(CUFindTextFrameId(d["a"], d["x1"] - 1, 0x01, d.h()), kNone);
}

TEST(Searches, IsBeginTag) {
    const ChunkDoc d(kParagraph);
    const struct {
        const char *label;
        uint32_t result;
        uint32_t code;
    } cases[] = {
        {"skipA", 1, 0x20050000},
        {"plain", 1, 0x00030000},
        {"endA", 0, 0},
        {"start", 0, 0},
    };
    for (const auto &c : cases) {
        uint32_t code = 0xDEAD;
        EXPECT_EQ(CUIsBeginTag(d[c.label], &code, d.h()), c.result) << c.label;
        EXPECT_EQ(code, c.code) << c.label;
    }
    uint32_t code = 0xDEAD;
    EXPECT_EQ(CUIsBeginTag(0x7FFF0000u, &code, d.h()), 0u);
    EXPECT_EQ(code, 0u);
}

}  // namespace
